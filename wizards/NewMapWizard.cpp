#include "wizards/NewMapWizard.h"

#include "model/Settings.h"
#include "model/Strings.h"
#include "wizards/NewMapPages.h"

#include <QFileInfo>

NewMapWizard::NewMapWizard(const DocumentDialogs::NewMap& start, InsertPointDialog::Browse browse,
                           QWidget* parent)
    : QWizard(parent), m_result(start), m_browse(std::move(browse)) {
    setWindowTitle(Strings::text(Str::NewMapWizardTitle));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage);
    m_result.insertOffset = -1;
    m_result.imgTagOffset = -1;
    setPage(AA, new NewMapWizAA);
    setPage(AB, new NewMapWizAB);
    setPage(AC, new NewMapWizAC);
    setPage(AD, new NewMapWizName(Str::WizPageAD));
    setPage(BB, new NewMapWizBB);
    setPage(BC, new NewMapWizBC);
    setPage(BD, new NewMapWizName(Str::WizPageBD));
    setStartId(AA);
}

int NewMapWizard::nextId() const {
    switch (currentId()) {
    case AA:
        return static_cast<const NewMapWizAA*>(page(AA))->existingPage() ? AB : BB;
    case AB:
        return AC;
    case AC:
        return AD;
    case BB:
        return BC;
    case BC:
        return BD;
    default:
        return -1;
    }
}

bool NewMapWizard::run(DocumentDialogs::NewMap& result, const InsertPointDialog::Browse& browse,
                       QWidget* parent) {
    NewMapWizard wizard(result, browse, parent);
    if (wizard.exec() != QDialog::Accepted)
        return false;
    result = wizard.result();
    // The next wizard, Open and Save As start where this map's page and
    // picture are.
    if (!result.mapPath.isEmpty())
        Settings::app().lastMapFolder = QFileInfo(result.mapPath).absolutePath();
    if (!result.imagePath.isEmpty())
        Settings::app().lastImageFolder = QFileInfo(result.imagePath).absolutePath();
    return true;
}
