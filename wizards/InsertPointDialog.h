#pragma once

#include "wizards/InsertPointValues.h"

#include <QDialog>
#include <QString>

#include <functional>

class QDialogButtonBox;
class QLineEdit;
class QPlainTextEdit;

// "Add new image to HTML file" (the New Map wizard's, with an image-path
// edit and Browse...) and "Add new image and map to existing HTML file"
// (Save As's, the image fixed by the caller): the page shown read-only,
// tags in grey, and OK ("Insert at cursor") enabled only while the caret
// stands where InsertPointValues allows a new IMG tag.
class InsertPointDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { AddImage, AddImageAndMap };
    // The image open prompt, starting at a path: the chosen file or empty.
    using Browse = std::function<QString(const QString&)>;

    InsertPointDialog(Mode mode, const QString& htmlPath, const QString& imagePath,
                      int insertOffset, Browse browse, QWidget* parent = nullptr);

    // Runs the dialog: true on OK with imagePath and insertOffset set.
    static bool run(Mode mode, const QString& htmlPath, QString& imagePath, int& insertOffset,
                    const Browse& browse, QWidget* parent = nullptr);

    QString imagePath() const;
    int caret() const;
    void setCaret(int caret);
    bool canAccept() const;

public slots:
    void accept() override;

private:
    void refresh();

    InsertPointValues m_values;
    Browse m_browse;
    QString m_fixedImage;
    QLineEdit* m_imageEdit = nullptr;
    QPlainTextEdit* m_view;
    QDialogButtonBox* m_buttons;
};
