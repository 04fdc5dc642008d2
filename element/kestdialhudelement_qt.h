#ifndef KESTDIALHUDELEMENT_QT_H
#define KESTDIALHUDELEMENT_QT_H
// The one Qt call whose form differs between Qt 4 (the host's own) and Qt 5.

#include <QtCore/QByteArray>
#include <QtCore/QtGlobal>

#if QT_VERSION >= 0x050000
#include <QtCore/QString>
#endif

//! Hands one complete line to Qt's message output as a debug message. The line is passed
//! whole, so trailing spaces survive (Qt 5's qDebug() stream would chop them).
inline void KestPostDebugMessage(const QByteArray& pLine)
{
#if QT_VERSION >= 0x050000
    qt_message_output(QtDebugMsg, QMessageLogContext(), QString::fromLocal8Bit(pLine));
#else
    qt_message_output(QtDebugMsg, pLine.constData());
#endif
}

#endif // KESTDIALHUDELEMENT_QT_H
