#pragma once

#include "app/shell/CommandLine.h"

#include <QObject>

class ActionTable;
class CImageMapDoc;
class DocumentServices;
class MainFrame;
class MyMDIChildWnd;
class RecentFiles;
struct RecoveryCopy;

// Makes map documents and their windows: Open (from the dialog, the recent
// files, the command line or a drop) and New, each in a window of its own
// in the main frame. A document that fails to open or start is dropped
// again; it has told the user why.
class DocumentManager : public QObject, public DocumentHost {
    Q_OBJECT
public:
    DocumentManager(MainFrame& frame, DocumentServices& services, const ActionTable& actions,
                    RecentFiles& recent, QObject* parent = nullptr);

    // Opens the map at path (a map already open is brought forward
    // instead), read-only when asked; imagePath, when not empty, is the
    // picture to use. The file goes to the top of the recent files.
    bool openMapFile(const QString& path, const QString& imagePath, bool readOnly);
    bool openMapFile(const QString& path, const QString& imagePath) override {
        return openMapFile(path, imagePath, false);
    }
    // A new map: with the Image wizard when createImage, else with the New
    // Map wizard, unless a picture is given.
    bool newMap(const QString& mapPath, const QString& imagePath, bool createImage);
    bool newMap(const QString& mapPath, const QString& imagePath) override {
        return newMap(mapPath, imagePath, false);
    }
    // Opens each file in turn (files dropped on the main frame).
    void openFiles(const QStringList& paths);
    // Opens the map a recovery copy kept (RecoveryStore's copy `name`):
    // modified, with its page as save target; the window keeps the copy
    // under its name from then on. When the page changed since the copy was
    // made the user is told, and Save asks before saving into it. False when
    // its picture did not load (the copy is kept).
    bool recoverMap(const RecoveryCopy& copy, const QString& name);

signals:
    // A document changed in any way (areas, picture, modified mark).
    void documentChanged();

private:
    MyMDIChildWnd* findOpen(const QString& path) const;
    void place(std::unique_ptr<CImageMapDoc> doc, const QString& openedFrom,
               const QString& recoveryName = {});

    MainFrame& m_frame;
    DocumentServices& m_services;
    const ActionTable& m_actions;
    RecentFiles& m_recent;
};
