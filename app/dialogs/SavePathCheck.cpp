#include "app/dialogs/SavePathCheck.h"

#include "formats/HtmlPageScan.h"
#include "model/Prompter.h"
#include "model/Strings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Reads the page behind a wait cursor; false when it cannot be read.
bool readPage(const QString& path, QByteArray& text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    text = file.readAll();
    QApplication::restoreOverrideCursor();
    return file.error() == QFileDevice::NoError;
}

} // namespace

bool SavePathCheck::accept(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    QByteArray text;
    if (!readPage(path, text))
        return true;
    // An empty file holds nothing a new page could destroy.
    if (!text.isEmpty() && HtmlPageScan::scan(text).bodyEnd < 1) {
        Prompter::current().tell(Strings::text(Str::MalformedPage), Prompter::Icon::Stop);
        return false;
    }
    const QByteArray shown = QDir::toNativeSeparators(info.absoluteFilePath()).toUtf8();
    return Prompter::current().ask(
               QString::asprintf(Strings::raw(Str::ReplaceExistingFile), shown.constData()),
               Prompter::Buttons::YesNo, Prompter::Icon::Exclamation) == Prompter::Answer::Yes;
}
