#include "test_support.h"

#include "config_buffer.h"
#include "file_operations.h"
#include "form1.h"
#include "form2.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <random>

EditorFixture::EditorFixture()
{
    MakeEmptyRecord(ConfigBuffer);
    CurrentFileName.clear();
    Form1 = new TForm1;
    Form2 = new TForm2;
}

EditorFixture::~EditorFixture()
{
    delete Form2;
    delete Form1;
    Form2 = nullptr;
    Form1 = nullptr;
}

TForm1 *EditorFixture::form() const { return Form1; }

QByteArray RecordBytes(const TConfigRecord &record)
{
    return QByteArray(reinterpret_cast<const char *>(record.bytes()), int(ConfigRecordSize));
}

TConfigRecord RecordFrom(const QByteArray &bytes)
{
    TConfigRecord record;
    record.fill(0);
    std::copy_n(bytes.constData(), std::min<qsizetype>(bytes.size(), ConfigRecordSize), record.bytes());
    return record;
}

TConfigRecord RandomRecord(unsigned seed)
{
    std::mt19937 generator(seed);
    TConfigRecord record;
    for (std::size_t i = 0; i < ConfigRecordSize; ++i)
        record.bytes()[i] = std::uint8_t(generator());
    if (record.isBlank())
        record.ConfigName[0] = 'Q';
    return record;
}

void OpenAsBrowser(const QString &path)
{
    if (Form1->OpenConfig(path))
        CurrentFileName = path;
}

bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void AnswerNextMessageBox(SeenBox *seen)
{
    // Polls until the box is up, records it and presses OK.
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (seen) {
            seen->title = box->windowTitle();
            seen->text = box->text();
            seen->icon = int(box->icon());
        }
        timer->stop();
        timer->deleteLater();
        box->accept();
    });
    timer->start();
}
