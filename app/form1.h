// The main window: menu, the page control with the six editor pages, the help text, the status timer
// and the two file dialogs. Its handlers are defined in the folder of the subsystem that owns them:
// file operations in files/, the group and restriction views in config/, the rest in app/.
#pragma once

#include <QMainWindow>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QTabWidget;
class QTimer;
class TCheckListBox;
class TEdit;
class TFileDialog;
class TListBox;
class THelpMemo;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Frame.
    QMenuBar *MainMenu1 = nullptr;
    QMenu *File1 = nullptr;
    QAction *Load1 = nullptr;
    QAction *Save1 = nullptr;
    QAction *AdvancedOpenSave1 = nullptr;
    QAction *N1 = nullptr;
    QAction *Exit1 = nullptr;
    QAction *About1 = nullptr;
    QAction *Help1 = nullptr;
    QAction *VisitBrennhallOnline1 = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    QWidget *TabSheet3 = nullptr;
    QWidget *TabSheet4 = nullptr;
    QWidget *TabSheet5 = nullptr;
    QWidget *TabSheet6 = nullptr;
    THelpMemo *Memo1 = nullptr;
    QTimer *Timer1 = nullptr;
    TFileDialog *OpenDialog1 = nullptr;
    TFileDialog *SaveDialog1 = nullptr;

    // General page.
    QLabel *Label1 = nullptr;
    TEdit *Edit1 = nullptr;
    QLabel *Label26 = nullptr;
    QPushButton *Button4 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QCheckBox *CheckBox2 = nullptr;
    QCheckBox *CheckBox3 = nullptr;
    QCheckBox *CheckBox4 = nullptr;
    QCheckBox *CheckBox6 = nullptr;
    QLabel *Label27 = nullptr;
    QLabel *Label28 = nullptr;

    // Installer page.
    QLabel *Label11 = nullptr;
    TEdit *Edit14 = nullptr;
    TEdit *Edit15 = nullptr;
    TEdit *Edit16 = nullptr;
    TEdit *Edit17 = nullptr;

    // Source Names page: heading, column labels, row numbers, then short/full edits row by row.
    QLabel *Label13 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    TEdit *Edit2 = nullptr;
    TEdit *Edit3 = nullptr;
    TEdit *Edit4 = nullptr;
    TEdit *Edit5 = nullptr;
    TEdit *Edit6 = nullptr;
    TEdit *Edit7 = nullptr;
    TEdit *Edit8 = nullptr;
    TEdit *Edit9 = nullptr;
    TEdit *Edit10 = nullptr;
    TEdit *Edit11 = nullptr;
    TEdit *Edit12 = nullptr;
    TEdit *Edit13 = nullptr;

    // Group Names page.
    QLabel *Label25 = nullptr;
    QLabel *Label17 = nullptr;
    QLabel *Label18 = nullptr;
    QLabel *Label24 = nullptr;
    QLabel *Label16 = nullptr;
    QLabel *Label19 = nullptr;
    QLabel *Label20 = nullptr;
    QLabel *Label21 = nullptr;
    QLabel *Label22 = nullptr;
    QLabel *Label23 = nullptr;
    TEdit *Edit18 = nullptr;
    TEdit *Edit19 = nullptr;
    TEdit *Edit20 = nullptr;
    TEdit *Edit21 = nullptr;
    TEdit *Edit22 = nullptr;
    TEdit *Edit23 = nullptr;
    TEdit *Edit24 = nullptr;
    TEdit *Edit25 = nullptr;
    TEdit *Edit26 = nullptr;
    TEdit *Edit27 = nullptr;
    TEdit *Edit28 = nullptr;
    TEdit *Edit29 = nullptr;

    // Groups page.
    QFrame *Bevel1 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label15 = nullptr;
    QLabel *Label14 = nullptr;
    TListBox *ListBox1 = nullptr;
    TCheckListBox *CheckListBox1 = nullptr;
    TCheckListBox *CheckListBox2 = nullptr;

    // Restrictions page.
    QFrame *Bevel2 = nullptr;
    QLabel *Label29 = nullptr;
    QLabel *Label30 = nullptr;
    QLabel *Label31 = nullptr;
    TListBox *ListBox2 = nullptr;
    TCheckListBox *CheckListBox3 = nullptr;
    TCheckListBox *CheckListBox4 = nullptr;

    // Handlers of the frame, help, About and web link.
    void FormCreate();
    void Exit1Click();
    void About1Click();
    void Help1Click();
    void Memo1Click();
    void VisitBrennhallOnline1Click();

    // File operations.
    void Load1Click();
    void Save1Click();
    void AdvancedOpenSave1Click();
    void Timer1Timer();
    void Button4Click();
    // True when the file was read and shown; a failure is reported in the error box and changes nothing.
    bool OpenConfig(const QString &path);
    void OpenConfigMap();

    // Group and restriction views.
    void ListBox1Click();
    void CheckListBox1Click();
    void ListBox2Click();
    void CheckListBox3Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool centred_ = false;

    void CreateFrame();
    void CreateMenu();
    void CreatePages();
    void CreateGeneralPage();
    void CreateInstallerPage();
    void CreateSourceNamesPage();
    void CreateGroupNamesPage();
    void CreateGroupsPage();
    void CreateRestrictionsPage();
    void ConnectEvents();
    void ConnectPageEvents();
    void RightJustifyLastMenuEntry();
    void FitToContent();
    int HelpBoxWidthForText() const;
};

extern TForm1 *Form1;
