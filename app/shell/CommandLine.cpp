#include "app/shell/CommandLine.h"

#include "model/Prompter.h"
#include "model/Strings.h"

#include <QFileInfo>

namespace {

bool isOwnFlag(const QString& flag) {
    return flag.startsWith(QLatin1String("g:")) || flag.startsWith(QLatin1String("m:")) ||
           flag.startsWith(QLatin1Char('?')) || flag.startsWith(QLatin1String("help"));
}

bool isStandardFlag(const QString& flag) {
    for (const char* name :
         {"p", "pt", "dde", "Unregister", "Unregserver", "Embedding", "Automation"}) {
        if (flag.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// "/" also begins every absolute path here: an argument after "/" that is no
// switch this program knows is a path when it names something that exists
// or has a further "/" in it, and is otherwise an unknown switch.
bool isSwitch(const QString& argument) {
    if (argument.startsWith(QLatin1Char('-')))
        return true;
    if (!argument.startsWith(QLatin1Char('/')))
        return false;
    const QString flag = argument.mid(1);
    if (isOwnFlag(flag) || isStandardFlag(flag))
        return true;
    return !QFileInfo::exists(argument) && !flag.contains(QLatin1Char('/'));
}

// The platform's own switches; false when flag is none of them.
bool parseStandardFlag(const QString& flag, CommandLineInfo& info, int& printToArgs) {
    using Cmd = CommandLineInfo::ShellCommand;
    if (flag.compare(QLatin1String("pt"), Qt::CaseInsensitive) == 0) {
        info.shellCommand = Cmd::FilePrintTo;
        printToArgs = 3; // printer, driver, port
    } else if (flag.compare(QLatin1String("p"), Qt::CaseInsensitive) == 0) {
        info.shellCommand = Cmd::FilePrint;
    } else if (flag.compare(QLatin1String("dde"), Qt::CaseInsensitive) == 0) {
        info.shellCommand = Cmd::FileDde;
    } else if (flag.compare(QLatin1String("Unregister"), Qt::CaseInsensitive) == 0 ||
               flag.compare(QLatin1String("Unregserver"), Qt::CaseInsensitive) == 0) {
        info.shellCommand = Cmd::AppUnregister;
    } else if (flag.compare(QLatin1String("Embedding"), Qt::CaseInsensitive) == 0 ||
               flag.compare(QLatin1String("Automation"), Qt::CaseInsensitive) == 0) {
        info.shellCommand = Cmd::FileNothing;
    } else {
        return false;
    }
    return true;
}

void parseFlag(const QString& flag, CommandLineInfo& info, int& printToArgs) {
    if (flag.startsWith(QLatin1String("g:")))
        info.imageFile = flag.mid(2);
    else if (flag.startsWith(QLatin1String("m:")))
        info.mapName = flag.mid(2);
    else if (flag.startsWith(QLatin1Char('?')) || flag.startsWith(QLatin1String("help")))
        info.showSwitches = true;
    else
        parseStandardFlag(flag, info, printToArgs);
}

} // namespace

CommandLineInfo CommandLineInfo::parse(const QStringList& arguments) {
    CommandLineInfo info;
    int printToArgs = 0; // plain arguments that "pt" still takes
    for (const QString& argument : arguments) {
        if (isSwitch(argument)) {
            parseFlag(argument.mid(1), info, printToArgs);
        } else if (printToArgs > 0 && !info.fileName.isEmpty()) {
            --printToArgs;
        } else if (info.fileName.isEmpty()) {
            info.fileName = argument;
        }
    }
    if (info.shellCommand == ShellCommand::FileNew && !info.fileName.isEmpty())
        info.shellCommand = ShellCommand::FileOpen;
    return info;
}

bool processCommandLine(const CommandLineInfo& info, DocumentHost& host) {
    using Cmd = CommandLineInfo::ShellCommand;
    switch (info.shellCommand) {
    case Cmd::FileOpen:
        return !info.fileName.isEmpty() && host.openMapFile(info.fileName, info.imageFile);
    case Cmd::FileNew:
        if (info.imageFile.isEmpty() && info.mapName.isEmpty())
            return true; // no arguments: no document
        return host.newMap(info.mapName, info.imageFile);
    default:
        Prompter::current().beep();
        Prompter::current().tell(Strings::text(Str::UnknownSwitch), Prompter::Icon::Exclamation);
        return false;
    }
}
