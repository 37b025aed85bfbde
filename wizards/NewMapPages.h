#pragma once

// The pages of the New Map wizard: each a thin QWizardPage over its value
// model, reaching the wizard's results through NewMapWizard::result().

#include "wizards/FileBrowser.h"
#include "wizards/ImageChoiceValues.h"
#include "wizards/MapNameValues.h"
#include "wizards/NewMapWizard.h"
#include "wizards/NewPageValues.h"
#include "wizards/PageChoiceValues.h"

#include <QWizardPage>

class QLabel;
class QLineEdit;
class QRadioButton;
class QTreeWidget;

class NewMapPage : public QWizardPage {
    Q_OBJECT
protected:
    using QWizardPage::QWizardPage;
    NewMapWizard& sheet() const { return *static_cast<NewMapWizard*>(wizard()); }
    DocumentDialogs::NewMap& result() const { return sheet().result(); }
};

// "Create a new image map": an existing page (0) or a brand-new one (1).
class NewMapWizAA : public NewMapPage {
    Q_OBJECT
public:
    explicit NewMapWizAA(QWidget* parent = nullptr);
    bool existingPage() const;
    void choose(bool existingPage);

private:
    QRadioButton* m_existing;
    QRadioButton* m_new;
};

// "New map in existing HTML - Step 1": the page, with its counts.
class NewMapWizAB : public NewMapPage {
    Q_OBJECT
public:
    explicit NewMapWizAB(QWidget* parent = nullptr);
    void initializePage() override;
    bool isComplete() const override;
    bool validatePage() override;
    FileBrowser* browser() const { return m_browser; }
    QString status() const;

private:
    PageChoiceValues m_values;
    FileBrowser* m_browser;
    QLabel* m_status;
};

// "New map in existing HTML - Step 2": one of the page's images, or a new one.
class NewMapWizAC : public NewMapPage {
    Q_OBJECT
public:
    explicit NewMapWizAC(QWidget* parent = nullptr);
    void initializePage() override;
    bool isComplete() const override;
    bool validatePage() override;
    QTreeWidget* list() const { return m_list; }
    const ImageChoiceValues& values() const { return m_values; }
    void addImage();

private:
    void showPreview();

    ImageChoiceValues m_values;
    QTreeWidget* m_list;
    QLabel* m_preview;
};

// The map name of either branch's last step ("... Step 3").
class NewMapWizName : public NewMapPage {
    Q_OBJECT
public:
    NewMapWizName(int titleId, QWidget* parent = nullptr);
    void initializePage() override;
    bool isComplete() const override;
    bool validatePage() override;
    QLineEdit* nameEdit() const { return m_name; }

private:
    void refresh();

    MapNameValues m_values;
    QLabel* m_facts;
    QLineEdit* m_name;
    QLabel* m_example;
    QLabel* m_refused;
};

// "Brand New HTML file - Step 1": the new page's folder and name.
class NewMapWizBB : public NewMapPage {
    Q_OBJECT
public:
    explicit NewMapWizBB(QWidget* parent = nullptr);
    void initializePage() override;
    bool isComplete() const override;
    bool validatePage() override;
    FileBrowser* browser() const { return m_browser; }
    QLineEdit* nameEdit() const { return m_name; }

private:
    NewPageValues m_values;
    FileBrowser* m_browser;
    QLineEdit* m_name;
};

// "Brand New HTML file - Step 2": the picture.
class NewMapWizBC : public NewMapPage {
    Q_OBJECT
public:
    explicit NewMapWizBC(QWidget* parent = nullptr);
    void initializePage() override;
    bool isComplete() const override;
    bool validatePage() override;
    FileBrowser* browser() const { return m_browser; }

private:
    FileBrowser* m_browser;
};
