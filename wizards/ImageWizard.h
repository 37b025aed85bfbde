#pragma once

#include "wizards/ButtonPicture.h"
#include "wizards/ButtonStyleLibrary.h"
#include "wizards/LayoutValues.h"

#include <QWizard>

#include <array>

// The Image wizard: a button style and a kind of picture, the captions and
// look on the kind's layout page with a live preview, then the file the
// picture is saved as. The new map opens on that picture.
class ImageWizard : public QWizard {
    Q_OBJECT
public:
    enum PageId { StylePage = 201, SavePage = 208, BarPage = 210, MenuPage = 211, GridPage = 212 };

    explicit ImageWizard(QWidget* parent = nullptr);

    // Runs the wizard modally; true on Finish with imagePath set to the
    // picture it wrote.
    static bool run(QString& imagePath, QWidget* parent);

    ButtonStyleLibrary& library() { return m_library; }
    // The chosen style, -1 for none; the chosen kind, -1 for none.
    int styleIndex() const { return m_style; }
    void setStyleIndex(int index) { m_style = index; }
    int kind() const { return m_kind; }
    void setKind(int kind) { m_kind = kind; }

    LayoutValues& layout(LayoutValues::Kind kind) { return m_layouts[kind]; }
    // What the layout page left forwards settled: the save page draws it.
    ButtonPicture& finalPicture() { return m_final; }
    const QString& savedImagePath() const { return m_saved; }
    void setSavedImagePath(const QString& path) { m_saved = path; }

private:
    ButtonStyleLibrary m_library;
    std::array<LayoutValues, 3> m_layouts{LayoutValues(LayoutValues::NavigationBar),
                                          LayoutValues(LayoutValues::ProductMenu),
                                          LayoutValues(LayoutValues::CustomGrid)};
    ButtonPicture m_final;
    QString m_saved;
    int m_style = -1;
    int m_kind = -1;
};
