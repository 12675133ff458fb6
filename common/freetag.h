#pragma once

#include <QString>

// The tag of a chamber window that holds no chamber: it is reused, never destroyed.
inline const QString FreeTag = QStringLiteral("free");
