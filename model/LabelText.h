#pragma once

#include <QString>

// A label's text as assistive technology reads it out for the control the
// label names: no mnemonic mark ("&&" stays one "&"), no closing colon.
class LabelText {
public:
    static QString spoken(QString text) {
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        text.remove(QLatin1Char('&'));
        text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        text = text.trimmed();
        if (text.endsWith(QLatin1Char(':')))
            text.chop(1);
        return text.trimmed();
    }
};
