#pragma once

#include <QWizardPage>

class ImageWizard;
class QButtonGroup;
class QLabel;
class QListWidget;

// The Image wizard's first page: the styles of the style library, each
// drawn as its button cut to its shape beside its caption, and the kind of
// picture. Next needs both; "Use other images" loads another library.
class ImageStylePage : public QWizardPage {
    Q_OBJECT
public:
    explicit ImageStylePage(ImageWizard* wizard);

    void initializePage() override;
    bool isComplete() const override;
    int nextId() const override;

    // Loads the library page at path into the list; false (the list empty
    // and a note shown) when it cannot be read.
    bool loadLibrary(const QString& path);
    void useOtherImages();

private:
    void fillList();
    void chooseKind(int kind);

    ImageWizard* m_wizard;
    QListWidget* m_styles;
    QButtonGroup* m_kinds;
    QLabel* m_note;
    bool m_loaded = false;
};
