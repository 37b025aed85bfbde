#pragma once

#include "wizards/ImageSaveValues.h"

#include <QWizardPage>

class FileBrowser;
class ImageWizard;
class QButtonGroup;
class QLabel;
class QLineEdit;

// The Image wizard's last page: the folder and name of the picture and its
// format. Finish draws the picture the layout page settled and writes it;
// a write that fails is reported here and the page stays open.
class ImageSavePage : public QWizardPage {
    Q_OBJECT
public:
    explicit ImageSavePage(ImageWizard* wizard);

    void initializePage() override;
    bool isComplete() const override;
    bool validatePage() override;
    int nextId() const override { return -1; }

    FileBrowser* browser() const { return m_browser; }
    QLineEdit* nameEdit() const { return m_name; }

private:
    void showName();
    bool save(const QString& path);

    ImageWizard* m_wizard;
    ImageSaveValues m_values;
    FileBrowser* m_browser;
    QLineEdit* m_name;
    QButtonGroup* m_formats;
    QLabel* m_failure;
};
