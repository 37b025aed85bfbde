#include "formats/MapFileSaver.h"

#include "formats/HtmlMapWriter.h"
#include "formats/PageFile.h"
#include "model/Prompter.h"
#include "model/Strings.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {

void tellWithPath(int id, const QString& path) {
    const QByteArray name = path.toUtf8();
    Prompter::current().tell(QString::asprintf(Strings::raw(id), name.constData()),
                             Prompter::Icon::Exclamation);
}

int messageOf(PageFile::Step step) {
    switch (step) {
    case PageFile::Step::Create:
        return Str::CreateTargetFailed;
    case PageFile::Step::Replace:
        // Renaming over the target is the step that gives up the old file.
        return Str::DeleteTargetFailed;
    case PageFile::Step::Write:
    case PageFile::Step::None:
        break;
    }
    return Str::WriteTargetFailed;
}

} // namespace

MapFileSaver::MapFileSaver(PageFile* file) : m_file(file) {}

MapFileSaver::~MapFileSaver() = default;

PageFile& MapFileSaver::file() {
    if (m_file)
        return *m_file;
    if (!m_ownFile)
        m_ownFile = std::make_unique<PageFile>();
    return *m_ownFile;
}

bool MapFileSaver::open(const QString& path) {
    m_open = false;
    m_writer.reset();
    m_old.clear();
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !info.permission(QFileDevice::WriteOwner))) {
        tellWithPath(Str::NotWritableFile, path);
        return false;
    }
    if (info.exists() && info.size() > 0) {
        QFile old(path);
        if (!old.open(QIODevice::ReadOnly)) {
            tellWithPath(Str::PageUnreadable, path);
            return false;
        }
        m_old = old.readAll();
        if (old.error() != QFileDevice::NoError) {
            m_old.clear();
            tellWithPath(Str::PageUnreadable, path);
            return false;
        }
    }
    m_path = path;
    m_open = true;
    return true;
}

bool MapFileSaver::begin(const MapInfo& info, int insertOffset) {
    m_writer = std::make_unique<HtmlMapWriter>(m_old);
    m_writer->setChosenImgTag(m_chosenImgTag);
    m_writer->begin(info, insertOffset);
    if (!m_writer->replacesForeignPage())
        return true;
    m_writer.reset();
    m_old.clear();
    m_open = false;
    Prompter::current().tell(Strings::text(Str::MalformedPage), Prompter::Icon::Stop);
    return false;
}

void MapFileSaver::writeArea(const MapArea& area) {
    m_writer->writeArea(area);
}

void MapFileSaver::writeDefault(const MapInfo& info) {
    m_writer->writeDefault(info);
}

bool MapFileSaver::commit() {
    const QByteArray page = m_writer->finish();
    m_writer.reset();
    m_old.clear();
    m_open = false;
    PageFile& target = file();
    if (target.create(m_path) && target.write(page) && target.replace())
        return true;
    // The step and its error number, then the file and the system's own
    // words for the error.
    const int error = target.errorNumber();
    const QByteArray reason = std::strerror(error);
    Prompter::current().tell(
        QString::asprintf(Strings::raw(messageOf(target.failedStep())), error) + QLatin1Char('"') +
            m_path + QLatin1String("\": ") + QString::fromLocal8Bit(reason),
        Prompter::Icon::Exclamation);
    return false;
}
