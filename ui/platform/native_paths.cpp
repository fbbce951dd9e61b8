#include "ui/platform/native_paths.h"

#include <QDir>

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace orv::ui {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kReplacement = 0xFFFD;

[[nodiscard]] bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The code point of the UTF-8 sequence at `at`, and its length; length 0
// when the bytes there are no valid UTF-8 (overlong, a surrogate, beyond
// U+10FFFF, cut short).
struct Decoded {
    char32_t codePoint = 0;
    std::size_t length = 0;
};

[[nodiscard]] Decoded DecodeAt(std::string_view bytes, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        smallest = 0x10000;
    } else {
        return {};
    }
    if (bytes.size() - at < length)
        return {};
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[at + i]);
        if (!IsContinuation(byte))
            return {};
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < smallest || surrogate || codePoint > 0x10FFFF)
        return {};
    return {codePoint, length};
}

void AppendUtf8(std::string& out, char32_t codePoint)
{
    const auto put = [&out](char32_t bits) { out.push_back(static_cast<char>(bits)); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | (codePoint >> 6));
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | (codePoint >> 12));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | (codePoint >> 18));
        put(0x80 | ((codePoint >> 12) & 0x3F));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

[[nodiscard]] bool IsEscapedByte(char16_t unit) { return unit >= 0xDC80 && unit <= 0xDCFF; }

} // namespace

QString PathFromNative(std::string_view bytes)
{
    QString path;
    path.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t at = 0; at < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (byte < 0x80) {
            path.append(QChar(static_cast<char16_t>(byte)));
            ++at;
            continue;
        }
        const Decoded decoded = DecodeAt(bytes, at);
        if (decoded.length == 0) {
            path.append(QChar(static_cast<char16_t>(kEscapeBase + byte)));
            ++at;
            continue;
        }
        const char32_t codePoint = decoded.codePoint;
        path.append(QString::fromUcs4(&codePoint, 1));
        at += decoded.length;
    }
    return path;
}

std::string NativePath(const QString& path)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(path.size()));
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path.at(i).unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < path.size()
            && QChar::isLowSurrogate(path.at(i + 1).unicode())) {
            AppendUtf8(bytes, QChar::surrogateToUcs4(unit, path.at(i + 1).unicode()));
            ++i;
        } else if (IsEscapedByte(unit)) {
            bytes.push_back(static_cast<char>(unit - kEscapeBase));
        } else if (QChar::isSurrogate(unit)) {
            AppendUtf8(bytes, kReplacement);
        } else {
            AppendUtf8(bytes, unit);
        }
    }
    return bytes;
}

QString DisplayPath(const QString& path)
{
    QString shown = path;
    for (QChar& unit : shown) {
        if (IsEscapedByte(unit.unicode()))
            unit = QChar(kReplacement);
    }
    return shown;
}

QString CurrentFolder()
{
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            return QStringLiteral("/");
        buffer.resize(buffer.size() * 2);
    }
    return PathFromNative(buffer.data());
}

QString HomeFolder()
{
    const char* home = std::getenv("HOME");
    return home != nullptr && *home == '/' ? PathFromNative(home) : QDir::homePath();
}

QString AbsolutePath(const QString& path)
{
    if (path.startsWith(u'/'))
        return QDir::cleanPath(path);
    return QDir::cleanPath(CurrentFolder() + u'/' + path);
}

QString FileNameOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? path : path.mid(slash + 1);
}

QString FolderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0)
        return QStringLiteral(".");
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

} // namespace orv::ui
