#pragma once

#include <QByteArray>
#include <QDialog>

// "Missing Image": tells the user that the picture of the map being opened
// is nowhere to be found and offers to locate it by hand. OK (the caller
// then shows the image file dialog), Cancel (the map does not open) and
// Help, which explains the choice. What DocumentDialogs::missingImage shows.
class MissingImageDialog : public QDialog {
    Q_OBJECT
public:
    // imageFile: the picture's file name as the map gives it (bytes of a
    // file name); may be empty.
    explicit MissingImageDialog(const QByteArray& imageFile, QWidget* parent = nullptr);

    // Shows the dialog; true on OK.
    static bool ask(const QByteArray& imageFile, QWidget* parent = nullptr);

private:
    void showHelp();
};
