// Reading a font of the plug-in's resource bundle, and reporting a font that does not open.

#include "kestdialhudelement_font_resource.h"
#include "kestdialhudelement_qt.h"

#include <QtCore/QFile>

#include <cstring>

namespace {

//! Writes "<literal> <code> " as one debug message.
void PostFontFailure(const char* pLiteral, int pErrorCode)
{
    QByteArray lLine(pLiteral);
    lLine += ' ';
    lLine += QByteArray::number(pErrorCode);
    lLine += ' ';
    KestPostDebugMessage(lLine);
}

} // namespace

KestFontData KestReadFontResource(const char* pPath, const char* pFailureLiteral)
{
    KestFontData lFont;
    QFile lFile(QString::fromLatin1(pPath));
    if (!lFile.open(QIODevice::ReadOnly)) {
        PostFontFailure(pFailureLiteral, static_cast<int>(lFile.error()));
        return lFont;
    }
    const QByteArray lBytes = lFile.readAll();
    lFont.mSize = static_cast<unsigned long>(lBytes.size());
    lFont.mBytes.reset(new unsigned char[lFont.mSize]);
    std::memcpy(lFont.mBytes.get(), lBytes.constData(), lFont.mSize);
    lFile.close();
    return lFont;
}
