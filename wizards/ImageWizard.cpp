#include "wizards/ImageWizard.h"

#include "model/Strings.h"
#include "wizards/ButtonLayoutPage.h"
#include "wizards/ImageSavePage.h"
#include "wizards/ImageStylePage.h"

ImageWizard::ImageWizard(QWidget* parent) : QWizard(parent) {
    setWindowTitle(Strings::text(Str::ImgWizCaption));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage);
    setPage(StylePage, new ImageStylePage(this));
    setPage(BarPage, new ButtonLayoutPage(this, LayoutValues::NavigationBar));
    setPage(MenuPage, new ButtonLayoutPage(this, LayoutValues::ProductMenu));
    setPage(GridPage, new ButtonLayoutPage(this, LayoutValues::CustomGrid));
    setPage(SavePage, new ImageSavePage(this));
    setStartId(StylePage);
}

bool ImageWizard::run(QString& imagePath, QWidget* parent) {
    ImageWizard wizard(parent);
    if (wizard.exec() != QDialog::Accepted || wizard.savedImagePath().isEmpty())
        return false;
    imagePath = wizard.savedImagePath();
    return true;
}
