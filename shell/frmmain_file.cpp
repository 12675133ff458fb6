#include "shell/frmmain.h"

#include "common/czechcount.h"
#include "common/text8.h"
#include "editor/frmcave.h"
#include "rules/collayout.h"
#include "shell/commondialogy.h"
#include "shell/frmcol.h"
#include "store/defaultcave.h"
#include "store/modzorbel.h"
#include "store/setfile.h"
#include "store/setfileio.h"
#include "toolkit/msgbox.h"
#include "toolkit/multilinebox.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>

namespace {

const QString SetFilter = QStringLiteral("Sady komnat pro Zorbela (*.zb);*.zb");
const QString SetExtension = QStringLiteral("zb");
const QString TemplateFile = QStringLiteral("stationery.zb~");
// The longest initial path the save dialog takes.
constexpr int MaxDialogPath = 254;

Result<SetFileData> readSetFile(const QString &fn)
{
    const auto bytes = ReadSetFileBytes(fn);
    if (!bytes.ok())
        return Result<SetFileData>::failure(bytes.error());
    return ReadSetFile(bytes.value());
}

void showFault(QWidget *owner, const QString &text)
{
    Vb::MsgBox(text, Vb::MsgOkOnly, Vb::MsgNoIcon, QString(), owner);
}

QString caveCount(qsizetype n)
{
    return CzechCount(n, QStringLiteral("komnata"), QStringLiteral("komnaty"), QStringLiteral("komnat"));
}

// A join that stops at the chamber limit says what it took and what it left.
void showJoinLimit(QWidget *owner, const QString &fn, qsizetype taken, qsizetype left)
{
    if (taken == 0)
        showFault(owner, QStringLiteral("Sada už má %1 komnat, víc jich mít nesmí.\r\n"
                                        "Ze sady '%2' se proto nepřipojila žádná komnata.")
                             .arg(JoinCaveLimit)
                             .arg(fn));
    else
        showFault(owner,
                  QStringLiteral("Sada smí mít nejvýše %1 komnat.\r\n"
                                 "Ze sady '%2' se proto připojil jen začátek (%3), zbytek (%4) se nevešel.")
                      .arg(JoinCaveLimit)
                      .arg(fn, caveCount(taken), caveCount(left)));
}

// The set a missing template leaves: one default chamber, untitled.
SetFileData defaultSet()
{
    SetFileData set;
    set.Caves.append(CaveToString(DefaultCave()).value());
    set.Allowed[1] = true;
    return set;
}

// The name of the chamber bound to number no, from its window, wherever its
// slot lies (deletions and moves leave slots out of chamber order).
QString boundCaveName(frmMain *main, int no)
{
    const frmCave *w = main->BoundCave(no);
    return w ? w->CaveName : QString();
}

// ---- the set window's parts that the set operations fill ----
struct ColTexts
{
    QString name, auth, mail, desc, congr;
};

ColTexts readColTexts(frmCol *col)
{
    return {col->txtName->text(), col->txtAuth->text(), col->txtMail->text(), col->txtDesc->Text(),
            col->txtCongr->Text()};
}
// In this order: name, description, congratulation, e-mail, author.
void setColTexts(frmCol *col, const QString &name, const QString &desc, const QString &congr,
                 const QString &mail, const QString &auth)
{
    col->txtName->setText(name);
    col->txtDesc->SetText(desc);
    col->txtCongr->SetText(congr);
    col->txtMail->setText(mail);
    col->txtAuth->setText(auth);
}
void clearColTexts(frmCol *col)
{
    setColTexts(col, {}, {}, {}, {}, {});
}
void makeRow(frmCol *col, int k, const QString &name)
{
    col->CreateRow(k);
    col->SetRowName(k, name);
    col->repaint();
}
void showCol(frmCol *col)
{
    col->show();
    col->SetFocus();
}
// A set name or author has a one-character length in the file.
void limitHeaderBoxes(frmCol *col)
{
    col->txtName->setMaxLength(ValueCharMax);
    col->txtAuth->setMaxLength(ValueCharMax);
}

} // namespace

bool frmMain::SaveCollection(const QString &fn)
{
    frmCol *col = SetWindow();
    // What the open chamber windows hold goes into the file too, so that a
    // save never clears Changed over edits it did not write.
    if (!StoreCaves(BoundCaves(), 0, QStringLiteral("Sada proto nebyla uložena.")))
        return false;

    ApplyAllowedCavesText(Allowed, col->txtCaves->text(), NumCaves);
    SetFileData set;
    const ColTexts texts = readColTexts(col);
    set.Name = Text8::fromUnicode(texts.name);
    set.Description = Text8::fromBoxText(texts.desc);
    set.Congratulation = Text8::fromBoxText(texts.congr);
    set.Mail = Text8::fromUnicode(texts.mail);
    set.Author = Text8::fromUnicode(texts.auth);
    set.CollFlag = CollFlag;
    for (int k = 1; k <= NumCaves; ++k)
        set.Caves.append(CaveData[k]);
    set.Allowed = Allowed;

    const auto bytes = WriteSetFile(set);
    const auto written =
        bytes.ok() ? SaveSetFileBytes(fn, bytes.value()) : Result<bool>::failure(bytes.error());
    if (!written.ok()) {
        showFault(this, QStringLiteral("Sadu nelze uložit do souboru '%1'.\r\n%2").arg(fn, written.error()));
        return false;
    }
    Changed = false;
    return true;
}

void frmMain::LoadSet(const SetFileData &set)
{
    frmCol *col = SetWindow();
    limitHeaderBoxes(col);
    col->SetCanvasHeight(2560);
    col->SetSelTop(ColLayout::HiddenSelTop);
    clearColTexts(col);
    col->repaint();

    // Flags of an earlier set never carry over, whatever its size was.
    Allowed = set.Allowed;
    col->repaint();
    CollFlag = set.CollFlag;

    const int count = static_cast<int>(set.Caves.size());
    for (int k = 1; k <= count; ++k) {
        OpenCave(set.Caves.at(k - 1), k);
        makeRow(col, k, boundCaveName(this, k));
    }
    NumCaves = static_cast<uint8_t>(count);
    col->SendSelToBack();
    col->lblCName_Click(1);

    setColTexts(col, Text8::toUnicode(set.Name), Text8::toBoxText(set.Description),
                Text8::toBoxText(set.Congratulation), Text8::toUnicode(set.Mail),
                Text8::toUnicode(set.Author));
    col->SetCanvasHeight(NumCaves * ColLayout::RowHeight);
    col->Form_Resize();
    showCol(col);
    mnuH_Click(1);
    col->txtCaves->setText(AllowedCavesText(Allowed, NumCaves));
    Changed = false;
}

bool frmMain::OpenCollection(const QString &fn)
{
    const auto set = readSetFile(fn);
    if (!set.ok()) {
        showFault(this, QStringLiteral("Sadu komnat '%1' nelze otevřít.\r\n%2").arg(fn, set.error()));
        return false;
    }
    LoadSet(set.value());
    return true;
}

bool frmMain::JoinCollection(const QString &fn)
{
    // A full set still reads the file, to say how many chambers stay out.
    const auto bytes = ReadSetFileBytes(fn);
    qsizetype left = 0;
    auto caves = bytes.ok() ? ReadJoinedCaves(bytes.value(), NumCaves, &left)
                            : Result<QList<QByteArray>>::failure(bytes.error());
    if (!caves.ok()) {
        showFault(this, QStringLiteral("Sadu komnat '%1' nelze připojit.\r\n%2").arg(fn, caves.error()));
        return false;
    }
    if (caves.value().isEmpty()) {
        showJoinLimit(this, fn, 0, left);
        return false;
    }

    frmCol *col = SetWindow();
    int count = NumCaves;
    for (const QByteArray &cave : caves.value()) {
        ++count;
        OpenCave(cave, count);
        makeRow(col, count, boundCaveName(this, count));
    }
    NumCaves = static_cast<uint8_t>(count);
    col->SendSelToBack();
    col->SetCanvasHeight(NumCaves * ColLayout::RowHeight);
    col->Form_Resize();
    showCol(col);
    Changed = true;
    if (left > 0)
        showJoinLimit(this, fn, caves.value().size(), left);
    return true;
}

bool frmMain::CloseCollection()
{
    frmCol *col = SetWindow();
    if (Changed) {
        const auto answer =
            Vb::MsgBox(QStringLiteral("Sada '%1' není uložena.\r\nUložit?").arg(col->txtName->text()),
                       Vb::MsgYesNoCancel, Vb::MsgQuestion, QStringLiteral("Dotaz"), this);
        if (answer == Vb::MsgCancel)
            return false;
        // A save that did not happen keeps the set open, as Cancel would.
        if (answer == Vb::MsgYes && !SaveCommand())
            return false;
    }
    for (int i = 1; i <= MaxCaveWindow; ++i) {
        Caves(i)->Tag = FreeTag;
        Caves(i)->hide();
    }
    for (int k = 1; k <= NumCaves; ++k)
        col->DestroyRow(k);
    Allowed.fill(false);
    clearColTexts(col);
    col->SetSelTop(ColLayout::HiddenSelTop);
    return true;
}

void frmMain::NewCollection()
{
    const QString path = AppPath + u'/' + TemplateFile;
    const auto set = readSetFile(path);
    if (set.ok()) {
        LoadSet(set.value());
    } else {
        showFault(this, QStringLiteral("Šablonu nové sady '%1' nelze načíst.\r\n%2\r\n"
                                       "Nová sada začíná jednou výchozí komnatou.")
                            .arg(path, set.error()));
        LoadSet(defaultSet());
    }
    FileName = QStringLiteral("*");
}

void frmMain::mnuNew_Click()
{
    if (CloseCollection())
        NewCollection();
}

void frmMain::mnuOpen_Click()
{
    if (!CloseCollection())
        return;
    const QString path =
        CommonDialogy::ShowFileDialog(this, false, QStringLiteral("Otevřít sadu"), SetFilter, QString(),
                                      CommonDialogy::OFN_FORCESHOWHIDDEN, SetExtension);
    // The old set is closed: without a readable file the user goes on with a new
    // one. Any regular file is a candidate; the reader says why it is not a set.
    if (!path.isEmpty() && OpenCollection(path))
        FileName = path;
    else
        NewCollection();
}

bool frmMain::SaveCommand()
{
    if (FileName == QLatin1String("*"))
        return SaveAsCommand();
    return SaveCollection(FileName);
}

void frmMain::mnuSave_Click()
{
    SaveCommand();
}

QString frmMain::DefaultSavePath()
{
    QString stem = CommonDialogy::RemoveRegChars(SetWindow()->txtName->text());
    // The program's folder, unless this user cannot write there.
    const QFileInfo app(AppPath);
    const QString folder =
        (app.isDir() && app.isWritable() ? AppPath : CommonDialogy::DocumentsFolder()) + u'/';
    const qsizetype room = MaxDialogPath - folder.size() - 1 - SetExtension.size();
    if (stem.size() > room)
        stem.truncate(std::max<qsizetype>(0, room));
    return folder + stem + u'.' + SetExtension;
}

bool frmMain::SaveAsCommand()
{
    const QString initial = FileName == QLatin1String("*") ? DefaultSavePath() : FileName;
    const QString path =
        CommonDialogy::ShowFileDialog(this, true, QStringLiteral("Uložit sadu jako"), SetFilter, initial,
                                      CommonDialogy::OFN_FORCESHOWHIDDEN, SetExtension);
    if (path.isEmpty() || !SaveCollection(path))
        return false;
    // The set now lives in the chosen file: the next save goes there, not
    // over the file it was opened from.
    FileName = path;
    return true;
}

void frmMain::mnuSaveAs_Click()
{
    SaveAsCommand();
}

void frmMain::mnuEnd_Click()
{
    close();
}

void frmMain::mnuJoin_Click()
{
    const QString path =
        CommonDialogy::ShowFileDialog(this, false, QStringLiteral("Připojit sadu"), SetFilter, QString(),
                                      CommonDialogy::OFN_FORCESHOWHIDDEN, SetExtension);
    if (!path.isEmpty())
        JoinCollection(path);
}

void frmMain::MDIForm_QueryUnload(int &Cancel, int)
{
    Cancel = CloseCollection() ? 0 : 1;
}
