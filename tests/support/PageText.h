#pragma once

#include <QByteArray>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

// A saved page without its date line, the one tracking comment that differs
// between two saves of the same map. A saved page holds exactly one; a page
// with none or several fails the test, which would otherwise compare pages
// that were never saved alike.
inline QByteArray withoutDate(const QByteArray& page) {
    static const QRegularExpression date(QStringLiteral("<!-- #\\$DATE:[^\\r]* -->\\r\\n"));
    QString text = QString::fromLatin1(page);
    EXPECT_EQ(text.count(date), 1);
    return text.remove(date).toLatin1();
}
