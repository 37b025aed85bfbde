#pragma once

#include "app/dialogs/PrefPage.h"
#include "model/Settings.h"

#include <QImage>

class CColorPicker;
class CColorSampleOCX;
class QCheckBox;
class QListWidget;

// The Colors page (dialog 231): for the normal, selected and flyby states
// of an area outline a colour button for the dots and one for the gaps,
// with a sample of the pair beside them; under "Area Fill Color and Style"
// the "Fill Area" box, the list of the six hatch styles (drawn by the page)
// and the hatch colour's button, which shows the chosen style. Choosing a
// colour or a style refreshes the samples and the buttons at once.
class CPrefsColors : public PrefPage {
    Q_OBJECT
public:
    static constexpr int kHatchStyles = 6;
    static constexpr int kItemWidth = 45;
    static constexpr int kItemHeight = 15;

    explicit CPrefsColors(const Settings& source, QWidget* parent = nullptr);

    void store(Settings& out) override;

    // One item of the hatch list: kItemWidth x kItemHeight filled with the
    // hatch of style in color on white, or, selected, in the inverted
    // colour (0xffffff - color) on black.
    static QImage hatchItem(int style, ColorRef color, bool selected);

    // The states' buttons in the order normal, selected, flyby: [state][0]
    // the dots, [state][1] the gaps.
    CColorPicker* button(int state, int which) const { return m_pairs[state][which]; }
    CColorSampleOCX* sample(int state) const { return m_samples[state]; }
    CColorPicker* fillColorButton() const { return m_fillColor; }
    QListWidget* hatchList() const { return m_hatch; }

protected:
    void load(const Settings& in) override;

private:
    void buildStates();
    void buildFill();
    void refreshSamples();

    CColorPicker* m_pairs[3][2] = {};
    CColorSampleOCX* m_samples[3] = {};
    QCheckBox* m_fillArea = nullptr;
    QListWidget* m_hatch = nullptr;
    CColorPicker* m_fillColor = nullptr;
};
