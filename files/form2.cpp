#include "form2.h"

#include "application.h"
#include "config_file_search.h"
#include "file_entry_line.h"
#include "file_list_box.h"
#include "file_operations.h"
#include "form1.h"
#include "record_file.h"

#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

TForm2 *Form2 = nullptr;

namespace {

const QString Caption = QStringLiteral("Open Configuration File");
const QString PopulatingCaption = QStringLiteral("Populating...");
const QString NoFilesCaption = QStringLiteral("No Files Found on Removeable Drive");

// The design sizes in pixels at 96 dpi; the window grows beyond them where the platform's fonts need it.
constexpr QSize DesignClientSize(441, 299);
constexpr int Margin = 4;
constexpr int DesignButtonWidth = 75;
constexpr int DesignRowHeight = 25;
constexpr int DesignComboHeight = 21;
constexpr int DesignComboWidth = 65;
constexpr int DesignComboLeft = 45;
constexpr int LabelLeft = 5;
constexpr int BottomMargin = 6;
constexpr int RightMargin = 5;
constexpr int ButtonGap = 5;
constexpr int ListToButtons = 11;
// A drive label longer than this is shown cut short rather than widening the window further.
constexpr int MaxComboWidth = 260;

TForm2::VolumeSource &VolumeSourceSlot()
{
    static TForm2::VolumeSource source;
    return source;
}

std::string LocalPath(const QString &path) { return QFile::encodeName(path).toStdString(); }

// The root folder of a mount point, ending in "/", as the file names are put behind it.
QString RootFolder(const std::string &mountPoint)
{
    QString folder = QFile::decodeName(QByteArray::fromStdString(mountPoint));
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

// Lifts the redraw suppression of a widget on every path out of a scope.
class RedrawLock {
public:
    explicit RedrawLock(QWidget *widget) : widget_(widget) { widget_->setUpdatesEnabled(false); }
    ~RedrawLock() { widget_->setUpdatesEnabled(true); }
    RedrawLock(const RedrawLock &) = delete;
    RedrawLock &operator=(const RedrawLock &) = delete;

private:
    QWidget *widget_;
};

} // namespace

TForm2::TForm2(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(Caption);
    // Closing the browser only hides it; it never ends the run.
    setAttribute(Qt::WA_QuitOnClose, false);
    CreateControls();
    ConnectEvents();
    FitToContent();
    resize(minimumSize());
}

void TForm2::SetVolumeSource(VolumeSource source) { VolumeSourceSlot() = std::move(source); }

void TForm2::CreateControls()
{
    ListBox1 = new TFileListBox(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    // A fixed-pitch font keeps the bracketed names in one column.
    ListBox1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(false);
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    const auto makeButton = [this](const char *name, const char *text) {
        auto *button = new QPushButton(QString::fromLatin1(text), this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    };
    Button1 = makeButton("Button1", "Cancel");
    Button2 = makeButton("Button2", "Open");

    Label1 = new QLabel(QStringLiteral("Drive:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));

    Button3 = makeButton("Button3", "Refresh");
    Button4 = makeButton("Button4", "Browse...");

    setTabOrder(ListBox1, ComboBox1);
    setTabOrder(ComboBox1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, Button4);
}

void TForm2::ConnectEvents()
{
    connect(ComboBox1, &QComboBox::activated, this, Guarded([this] { ComboBox1Change(); }));
    connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guarded([this] { Button2Click(); }));
    connect(Button3, &QPushButton::clicked, this, Guarded([this] { Button3Click(); }));
    connect(Button4, &QPushButton::clicked, this, Guarded([this] { Button4Click(); }));
    connect(ListBox1, &TFileListBox::DblClick, this, Guarded([this] { Button2Click(); }));
}

// Sizes the rows and buttons for the platform's fonts and sets the smallest size the window may take:
// the design size, or more where the captions or the drive labels need it.
void TForm2::FitToContent()
{
    buttonWidth_ = DesignButtonWidth;
    rowHeight_ = DesignRowHeight;
    for (const QPushButton *button : {Button1, Button2, Button3, Button4}) {
        buttonWidth_ = qMax(buttonWidth_, button->sizeHint().width());
        rowHeight_ = qMax(rowHeight_, button->sizeHint().height());
    }
    comboHeight_ = qMax(DesignComboHeight, ComboBox1->sizeHint().height());
    rowHeight_ = qMax(rowHeight_, comboHeight_);

    const int comboLeft = qMax(DesignComboLeft, LabelLeft + Label1->sizeHint().width() + 6);
    const int comboWidth = qBound(DesignComboWidth, ComboBox1->sizeHint().width(), MaxComboWidth);
    const int buttons = 4 * buttonWidth_ + 3 * ButtonGap + 1 + RightMargin;
    const int extraHeight = rowHeight_ - DesignRowHeight;
    const QSize minimum(qMax(DesignClientSize.width(), comboLeft + comboWidth + 10 + buttons),
                        DesignClientSize.height() + extraHeight);
    if (minimum != minimumSize())
        setMinimumSize(minimum);
    if (size() != size().expandedTo(minimum))
        resize(size().expandedTo(minimum));
    PlaceControls();
}

// The list grows with the window; the drive label and list keep to the bottom left, the buttons to the
// bottom right.
void TForm2::PlaceControls()
{
    const int w = width(), h = height();
    const int rowTop = h - BottomMargin - rowHeight_;
    ListBox1->setGeometry(Margin, Margin, w - 2 * Margin, rowTop - ListToButtons - Margin);

    int x = w - RightMargin - buttonWidth_;
    for (QPushButton *button : {Button1, Button2, Button3}) {
        button->setGeometry(x, rowTop, buttonWidth_, rowHeight_);
        x -= buttonWidth_ + ButtonGap;
    }
    x -= 1;
    Button4->setGeometry(x, rowTop, buttonWidth_, rowHeight_);

    const int labelHeight = Label1->sizeHint().height();
    Label1->setGeometry(LabelLeft, rowTop + (comboHeight_ - labelHeight) / 2, Label1->sizeHint().width(),
                        labelHeight);
    const int comboLeft = qMax(DesignComboLeft, Label1->geometry().right() + 6);
    // The drive list takes the room up to the buttons: it shows volume labels, not single letters.
    const int comboWidth = qBound(DesignComboWidth, x - 10 - comboLeft, MaxComboWidth);
    ComboBox1->setGeometry(comboLeft, rowTop, comboWidth, comboHeight_);
}

void TForm2::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    PlaceControls();
}

void TForm2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    // Each change from hidden to shown scans anew and centres the window (which the drive labels may
    // have widened), before the window is drawn.
    Guarded([this] { FormShow(); })();
    const QScreen *display = Form1 ? Form1->screen() : screen();
    if (display)
        move(display->availableGeometry().center() - frameGeometry().center() + pos());
}

void TForm2::ShowBrowser()
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    show();
}

void TForm2::AddDrive(const RemovableVolume &volume)
{
    const QString label = QString::fromStdString(volume.label);
    int at = 0;
    while (at < ComboBox1->count() && QString::compare(ComboBox1->itemText(at), label, Qt::CaseInsensitive) <= 0)
        ++at;
    ComboBox1->insertItem(at, label, RootFolder(volume.mountPoint));
    ComboBox1->setItemData(at, QString::fromStdString(volume.mountPoint), Qt::ToolTipRole);
}

QString TForm2::SelectedFolder() const
{
    const int index = ComboBox1->currentIndex();
    return index < 0 ? QString() : ComboBox1->itemData(index).toString();
}

void TForm2::FormShow()
{
    ListBox1->clear();
    ComboBox1->clear();
    const VolumeSource &source = VolumeSourceSlot();
    for (const RemovableVolume &volume : source ? source() : SystemRemovableVolumes())
        if (HasConfigFile(volume.mountPoint))
            AddDrive(volume);
    ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
    FitToContent();
    ComboBox1Change();
}

void TForm2::ComboBox1Change()
{
    Button2->setEnabled(true);
    ListBox1->clear();
    setWindowTitle(PopulatingCaption);
    {
        RedrawLock lock(ListBox1);
        ListBox1->beginFill();
        const QString folder = SelectedFolder();
        std::vector<std::string> names;
        if (!folder.isEmpty()) {
            try {
                names = FindConfigFiles(LocalPath(folder));
            } catch (const std::exception &) {
                // A volume that cannot be read (the card was pulled) lists nothing.
            }
        }
        // One unreadable file does not hide the others: it is listed with its failure.
        for (const std::string &localName : names) {
            const QString name = QFile::decodeName(QByteArray::fromStdString(localName));
            try {
                AddFileEntry(folder, name);
            } catch (const std::exception &error) {
                ListBox1->addFileLine(UnreadableEntryLine(name, QString::fromLocal8Bit(error.what())), name);
            }
        }
        // From the first completed listing on, the list keeps itself sorted.
        if (!names.empty())
            ListBox1->setSorted(true);
        ListBox1->endFill();
    }
    if (ListBox1->count() > 0) {
        ListBox1->setCurrentRow(0);
        setWindowTitle(Caption);
    } else {
        Button2->setEnabled(false);
        setWindowTitle(NoFilesCaption);
    }
}

void AddFileEntry(const QString &folder, const QString &fileName)
{
    TConfigRecord record;
    ReadRecord(LocalPath(folder + fileName), record);
    Form2->ListBox1->addFileLine(FileEntryLine(fileName, record), fileName);
}

void TForm2::Button2Click()
{
    // Open and the double click do nothing while no line is selected.
    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    if (selected.isEmpty())
        return;
    hide();
    // The line keeps its file's real name, so names with spaces or "]" open the file they show.
    const QString path = SelectedFolder() + TFileListBox::FileNameOf(selected.constFirst());
    if (Form1->OpenConfig(path))
        CurrentFileName = path;
}

void TForm2::Button1Click() { hide(); }

void TForm2::Button3Click() { FormShow(); }

void TForm2::Button4Click()
{
    // Hidden first: the open dialog belongs to the main window and would stand behind this window,
    // which stays on top. The browser ends hidden whatever the dialog's outcome.
    hide();
    Form1->OpenConfigMap();
}
