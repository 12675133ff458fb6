#include "store/setfileio.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Fault {
    Missing,
    NoFolder,
    NoPermission,
    DiskFull,
    TooLargeForDisk,
    ReadOnlyDisk,
    DiskError,
    Folder,
    NotRegular,
    TooLarge,
    Other
};

// What the user reads on the second line of an open, join or save message;
// the system's own text would be English.
QString faultText(Fault fault, int sysError = 0)
{
    switch (fault) {
    case Fault::Missing: return QStringLiteral("Soubor neexistuje.");
    case Fault::NoFolder: return QStringLiteral("Složka, do které se má soubor uložit, neexistuje.");
    case Fault::NoPermission: return QStringLiteral("K tomuto souboru nebo složce nemáte oprávnění.");
    case Fault::DiskFull: return QStringLiteral("Na disku není dost místa.");
    case Fault::TooLargeForDisk: return QStringLiteral("Soubor je na tento disk příliš velký.");
    case Fault::ReadOnlyDisk: return QStringLiteral("Disk je jen pro čtení.");
    case Fault::DiskError: return QStringLiteral("Disk hlásí chybu čtení nebo zápisu.");
    case Fault::Folder: return QStringLiteral("Je to složka, ne soubor.");
    case Fault::NotRegular:
        return QStringLiteral("Není to obyčejný soubor, ale zařízení, roura nebo jiný zvláštní soubor.");
    case Fault::TooLarge:
        return QStringLiteral("Soubor je větší než %1 MiB, tak velká sada komnat být nemůže.")
            .arg(MaxSetFileSize / (1024 * 1024));
    case Fault::Other: break;
    }
    return sysError ? QStringLiteral("Se souborem nelze pracovat (chyba systému %1).").arg(sysError)
                    : QStringLiteral("Se souborem nelze pracovat.");
}

Fault faultOf(int sysError)
{
    switch (sysError) {
    case ENOENT:
    case ENOTDIR: return Fault::Missing;
    case EACCES:
    case EPERM: return Fault::NoPermission;
    case ENOSPC:
    case EDQUOT: return Fault::DiskFull;
    case EFBIG: return Fault::TooLargeForDisk;
    case EROFS: return Fault::ReadOnlyDisk;
    case EIO: return Fault::DiskError;
    case EISDIR: return Fault::Folder;
    default: return Fault::Other;
    }
}

Result<QByteArray> readFailure(Fault fault, int sysError = 0)
{
    return Result<QByteArray>::failure(faultText(fault, sysError));
}

Result<bool> saveFailure(Fault fault, int sysError = 0)
{
    return Result<bool>::failure(faultText(fault, sysError));
}

// A folder, a FIFO, a device or a socket is not a set file whatever its name.
bool typeFault(const struct stat &st, Fault &fault)
{
    if (S_ISDIR(st.st_mode))
        fault = Fault::Folder;
    else if (!S_ISREG(st.st_mode))
        fault = Fault::NotRegular;
    else
        return false;
    return true;
}

struct FdCloser
{
    int fd;
    ~FdCloser() { ::close(fd); }
};

} // namespace

Result<QByteArray> ReadSetFileBytes(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st = {};
    Fault fault{};
    // The type is known before anything is opened: opening a FIFO waits for a
    // writer, and a device such as /dev/zero never ends.
    if (::stat(native.constData(), &st) != 0)
        return readFailure(faultOf(errno), errno);
    if (typeFault(st, fault))
        return readFailure(fault);
    if (st.st_size > MaxSetFileSize)
        return readFailure(Fault::TooLarge);

    // Should another file be put in its place meanwhile, the open still returns
    // at once, and what it opened is checked again.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return readFailure(faultOf(errno), errno);
    const FdCloser closer{fd};
    if (::fstat(fd, &st) != 0)
        return readFailure(faultOf(errno), errno);
    if (typeFault(st, fault))
        return readFailure(fault);

    // One byte more than the size shows a file that grew; it still stops at the bound.
    QByteArray bytes;
    bytes.resize(std::min<qint64>(st.st_size, MaxSetFileSize) + 1);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > MaxSetFileSize)
                return readFailure(Fault::TooLarge);
            bytes.resize(std::min<qsizetype>(std::max<qsizetype>(got * 2, 65536), MaxSetFileSize + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return readFailure(faultOf(errno), errno);
        if (n == 0)
            break;
        got += n;
    }
    bytes.resize(got);
    return Result<QByteArray>::success(std::move(bytes));
}

Result<bool> SaveSetFileBytes(const QString &path, const QByteArray &bytes)
{
    // The set's texts have no length of their own; a file the editor would
    // refuse to open again is not written.
    if (bytes.size() > MaxSetFileSize)
        return Result<bool>::failure(
            QStringLiteral("Sada by v souboru zabrala víc než %1 MiB, a tak velkou sadu by editor znovu "
                           "neotevřel. Zkrať popis nebo gratulaci sady.")
                .arg(MaxSetFileSize / (1024 * 1024)));
    // The checks name the cause; the save file itself reports only the system's
    // error, in English.
    const QByteArray native = QFile::encodeName(path);
    struct stat st = {};
    Fault fault{};
    if (::stat(native.constData(), &st) == 0) {
        if (typeFault(st, fault))
            return saveFailure(fault);
        if (::access(native.constData(), W_OK) != 0)
            return saveFailure(faultOf(errno), errno);
    }
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    if (::stat(folder.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return saveFailure(Fault::NoFolder);
    if (::access(folder.constData(), W_OK) != 0)
        return saveFailure(faultOf(errno), errno);

    // A short write (a full disk) shows only in the flush and the file's size;
    // left uncommitted, the temporary file goes and the old one stays.
    QSaveFile file(path);
    const qsizetype size = bytes.size();
    errno = 0;
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == size && file.flush() &&
                         file.size() == size && file.commit();
    if (!written) {
        // The folder was there a moment ago: a missing entry now says nothing useful.
        const int sysError = errno;
        const Fault cause = faultOf(sysError);
        return saveFailure(cause == Fault::Missing ? Fault::Other : cause, sysError);
    }
    return Result<bool>::success(true);
}
