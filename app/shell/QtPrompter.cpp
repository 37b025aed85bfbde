#include "app/shell/QtPrompter.h"

#include "model/Strings.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(Prompter::Icon icon) {
    switch (icon) {
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::Exclamation:
        return QMessageBox::Warning;
    case Prompter::Icon::Stop:
        return QMessageBox::Critical;
    case Prompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(Prompter::Buttons buttons) {
    switch (buttons) {
    case Prompter::Buttons::Ok:
        return QMessageBox::Ok;
    case Prompter::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompter::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Prompter::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

} // namespace

Prompter::Answer QtPrompter::ask(const QString& text, Buttons buttons, Icon icon) {
    QMessageBox box(boxIcon(icon), Strings::text(Str::ProgramName), text, boxButtons(buttons),
                    m_parent);
    // Closing the box answers Cancel, or No where there is no Cancel.
    box.setEscapeButton(buttons == Buttons::YesNo ? QMessageBox::No : QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

void QtPrompter::tell(const QString& text, Icon icon) {
    tellCaptioned(Strings::text(Str::ProgramName), text, icon);
}

void QtPrompter::tellCaptioned(const QString& caption, const QString& text, Icon icon) {
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, m_parent);
    box.exec();
}

void QtPrompter::beep() {
    QApplication::beep();
}
