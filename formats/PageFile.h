#pragma once

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

// How a saved page reaches the disk, in three steps: create a temporary file
// in the target's folder, write the whole new text to it, then flush it and
// rename it over the target. Until the last step succeeds the target keeps
// its old bytes; after it, the target holds the whole new text. A failed
// step leaves the target as it was and removes the temporary file.
//
// Tests derive from it to make a step fail (the suite runs as root, where
// permissions alone do not make a file unwritable).
class PageFile {
public:
    enum class Step { None, Create, Write, Replace };

    virtual ~PageFile() = default;

    virtual bool create(const QString& path);
    virtual bool write(QByteArrayView bytes);
    virtual bool replace();

    // The step that failed last and the system's error number for it.
    Step failedStep() const { return m_failedStep; }
    int errorNumber() const { return m_errorNumber; }

protected:
    // Records a failure of step (error number errorNumber, or errno when 0)
    // and drops the temporary file; returns false.
    bool fail(Step step, int errorNumber = 0);

    QSaveFile m_file;

private:
    Step m_failedStep = Step::None;
    int m_errorNumber = 0;
};
