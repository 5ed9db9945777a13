// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/window/photowork.h"

#include <QMainWindow>
#include <QStringList>


class QAction;
class QComboBox;
class QDockWidget;
class QListWidget;
class QMenu;
class QSpinBox;
class QTimer;
class QUndoStack;

namespace Maker {

class AnswerView;
class BusyBar;
class Draft;
class FolderView;
class PictureView;
class PlayPanel;
class SquareFrame;

// The question maker: photos in, the differences seen and corrected, the
// question tried out and saved into the play folder.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Reads two photos off the window's thread and makes a question.
    void startFromPhotos(const QStringList &files);
    // Opens a question of a folder; false (with the reason shown) when it cannot.
    bool openQuestion(const QString &folder, const QString &name);
    // Writes the question into the folder; the reason when it could not.
    QString saveTo(const QString &folder, const QString &name);
    bool isBusy() const;

    Draft *draft() const { return m_draft; }
    QUndoStack *undoStack() const { return m_undo; }
    PictureView *viewA() const { return m_viewA; }
    AnswerView *viewB() const { return m_viewB; }
    QComboBox *limitBox() const { return m_limit; }
    QListWidget *warningList() const { return m_warnings; }
    PlayPanel *playPanel() const { return m_play; }
    FolderView *folderView() const { return m_folders; }
    SquareFrame *squareFrame() const { return m_frame; }
    QAction *action(const QString &name) const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // One step of the zoom, in the menu and with Ctrl and the wheel.
    static constexpr double ZoomStep = 1.25;

    void makeActions();
    void makeMenus();
    void newFromPhotos(int count);
    void openDialog();
    void save();
    void saveAs();
    bool maySetAside();
    void photosMade(const PhotoWork::Result &result);
    static quint64 newSeed();
    void plantAgain();
    std::vector<Author::ChangeKind> kindsOfCircles() const;
    void remember(const Jobs::MadeQuestion &made);
    void offerPlantedChanges(int index, QMenu *menu);
    void showQuestion(const Jobs::MadeQuestion &made);
    void picturesChanged();
    void circlesChanged();
    void limitChanged();
    void showInB();
    void setZoom(double zoom);
    void togglePlay(bool on);
    void updateTitle();
    void say(const QString &text);

    Draft *m_draft;
    QUndoStack *m_undo;
    PictureView *m_viewA;
    AnswerView *m_viewB;
    SquareFrame *m_frame;
    QComboBox *m_limit;
    QListWidget *m_warnings;
    PlayPanel *m_play;
    FolderView *m_folders;
    BusyBar *m_busy;
    QTimer *m_flicker;
    bool m_flickerShowsA = false;
    QHash<QString, QAction *> m_actions;

    PhotoWork *m_work;
    QSpinBox *m_count; // differences to plant in one photo
    // Circles as they were planted, with their kinds: what a change made anew
    // should differ from.
    std::vector<Author::Circle> m_planted;
    std::vector<Author::ChangeKind> m_plantedKinds;
    QStringList m_photoFiles; // of the question on the table, when made from photos
    double m_photoScale = 1.0; // the frame view's length of one photo pixel
    PictureView *m_photoView = nullptr;
    QDockWidget *m_photoDock = nullptr;
    QStringList m_lastCheck;
    QString m_savedFolder;
    QString m_savedName;
};

} // namespace Maker
