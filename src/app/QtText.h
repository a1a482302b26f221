#pragma once
// The boundary between the core's single-byte texts and Qt's strings. File
// contents and messages are Latin-1; paths use the file system's own encoding.
#include <QFile>
#include <QString>
#include <string>

namespace gw {

inline QString ToQ(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string FromQ(const QString& text) { return text.toLatin1().toStdString(); }
inline QString PathToQ(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
inline std::string PathFromQ(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace gw
