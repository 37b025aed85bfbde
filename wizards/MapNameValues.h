#pragma once

#include "wizards/PageSummary.h"

#include <QByteArray>
#include <QString>

// The map name of the wizard's last steps. The name becomes the MAP NAME
// and the USEMAP reference, so it may hold no white space, '"' or '#'. A
// name the target page already uses is taken only when the user agrees to
// replace that map (once per name).
class MapNameValues {
public:
    // Whether name can stand as a map name.
    static bool isValid(const QByteArray& name);
    // The name a picture offers: its file name without folder and extension.
    static QByteArray nameOfPicture(const QString& imagePath);

    // The page the map goes into (none for a new file).
    void setPage(const PageSummary& page) { m_page = page; }
    // A name whose map the user already agreed to replace.
    void setAgreedName(const QByteArray& name) { m_agreed = name; }

    void setName(const QByteArray& name) { m_name = name; }
    const QByteArray& name() const { return m_name; }
    bool canFinish() const { return isValid(m_name); }
    // The example IMG tag for a picture: <IMG SRC="pic.gif" USEMAP="#name">.
    QString example(const QString& imagePath) const;

    // Finish: true when the name may be taken, asking first when the page
    // already holds a map of that name.
    bool finish();

private:
    PageSummary m_page;
    QByteArray m_name;
    QByteArray m_agreed;
};
