#include "formats/MapFileSaver.h"

#include "formats/HtmlMapWriter.h"
#include "formats/PageFile.h"
#include "model/Strings.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <utility>

namespace {

using Code = OperationResult::Code;

OperationResult failureWithPath(Code code, int id, const QString& path) {
    const QByteArray name = path.toUtf8();
    return OperationResult::failure(code, QString::asprintf(Strings::raw(id), name.constData()));
}

// The failed step's code and message.
std::pair<Code, int> failureOf(PageFile::Step step) {
    switch (step) {
    case PageFile::Step::Create:
        return {Code::CreateFailed, Str::CreateTargetFailed};
    case PageFile::Step::Replace:
        // Renaming over the target is the step that gives up the old file.
        return {Code::ReplaceFailed, Str::DeleteTargetFailed};
    case PageFile::Step::Write:
    case PageFile::Step::None:
        break;
    }
    return {Code::WriteFailed, Str::WriteTargetFailed};
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

OperationResult MapFileSaver::open(const QString& path) {
    m_open = false;
    m_writer.reset();
    m_old.clear();
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !info.permission(QFileDevice::WriteOwner))) {
        return failureWithPath(Code::NotWritable, Str::NotWritableFile, path);
    }
    if (info.exists() && info.size() > 0) {
        QFile old(path);
        if (!old.open(QIODevice::ReadOnly)) {
            return failureWithPath(Code::PageUnreadable, Str::PageUnreadable, path);
        }
        m_old = old.readAll();
        if (old.error() != QFileDevice::NoError) {
            m_old.clear();
            return failureWithPath(Code::PageUnreadable, Str::PageUnreadable, path);
        }
    }
    m_path = path;
    m_open = true;
    return OperationResult::done();
}

OperationResult MapFileSaver::begin(const MapInfo& info, int insertOffset) {
    m_writer = std::make_unique<HtmlMapWriter>(m_old);
    m_writer->setChosenImgTag(m_chosenImgTag);
    m_writer->begin(info, insertOffset);
    if (!m_writer->replacesForeignPage())
        return OperationResult::done();
    m_writer.reset();
    m_old.clear();
    m_open = false;
    return OperationResult::failure(Code::MalformedPage, Strings::text(Str::MalformedPage));
}

void MapFileSaver::writeArea(const MapArea& area) {
    m_writer->writeArea(area);
}

void MapFileSaver::writeDefault(const MapInfo& info) {
    m_writer->writeDefault(info);
}

OperationResult MapFileSaver::commit() {
    const QByteArray page = m_writer->finish();
    m_writer.reset();
    m_old.clear();
    m_open = false;
    PageFile& target = file();
    if (target.create(m_path) && target.write(page) && target.replace())
        return OperationResult::done();
    // The step and its error number, then on the next line the file and the
    // system's own words for the error.
    const int error = target.errorNumber();
    const QByteArray reason = std::strerror(error);
    const auto [code, id] = failureOf(target.failedStep());
    QString message = QString::asprintf(Strings::raw(id), error);
    if (message.endsWith(QLatin1Char('\n')))
        message.chop(1);
    return OperationResult::failure(code, message,
                                    QLatin1Char('"') + m_path + QLatin1String("\": ") +
                                        QString::fromLocal8Bit(reason));
}
