#pragma once

#include "model/AreaTextsChange.h"

#include <QByteArray>
#include <QDialog>

#include <array>
#include <vector>

class MapArea;
class QLineEdit;

// "Area Settings" over several areas, captioned "Settings of %d Areas":
// their URL, frame target, comment and title. A field whose value all the
// areas share shows it; one whose values differ shows empty with the
// placeholder "Several values". Only the fields the user edited are set,
// on all the areas; the others stay each area's own.
class SeveralAreasDialog : public QDialog {
    Q_OBJECT
public:
    enum Field { Url, Target, Comment, Title };

    SeveralAreasDialog(const std::vector<const MapArea*>& areas, QWidget* parent = nullptr);

    // The fields the user edited.
    AreaTextsChange change() const;
    QLineEdit* edit(Field field) const { return m_edits[std::size_t(field)]; }

    static bool run(const std::vector<const MapArea*>& areas, AreaTextsChange& change,
                    QWidget* parent = nullptr);

private:
    std::array<QLineEdit*, 4> m_edits{};
    std::array<QByteArray, 4> m_shared; // the value all the areas share, else empty
};
