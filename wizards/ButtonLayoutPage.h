#pragma once

#include "wizards/LayoutValues.h"

#include <QTimer>
#include <QWizardPage>

class ImageWizard;
class QLabel;
class QSpinBox;
class QTableWidget;

// One layout page of the Image wizard (navigation bar, product menu or
// custom grid): the caption grid, the counts, the Font, Colors and Spacing
// dialogs, and a preview redrawn 800 ms after the last change.
class ButtonLayoutPage : public QWizardPage {
    Q_OBJECT
public:
    static constexpr int kPreviewPause = 800;

    ButtonLayoutPage(ImageWizard* wizard, LayoutValues::Kind kind);

    void initializePage() override;
    void cleanupPage() override;
    bool isComplete() const override;
    bool validatePage() override;
    int nextId() const override;

    // Draws the preview now (the timer's work). False when the picture
    // would be too large, which the page then says instead.
    bool renderPreview();
    bool previewPending() const { return m_timer.isActive(); }
    QTableWidget* grid() const { return m_grid; }

    void chooseFont();
    void chooseColors();
    void chooseSpacing();

private:
    LayoutValues& values() const;
    void changed();
    void fillGrid();
    void setColumns(int count);
    void setRows(int count);
    bool draw(class ButtonImageBuilder& builder) const;

    ImageWizard* m_wizard;
    LayoutValues::Kind m_kind;
    QTableWidget* m_grid;
    QSpinBox* m_columns;
    QSpinBox* m_rows;
    QLabel* m_preview;
    QLabel* m_tooLarge;
    QTimer m_timer;
    bool m_filling = false;
    bool m_fits = true;
};
