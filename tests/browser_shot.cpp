// Shows the editor with the browser over made-up volumes, for screenshots:
//   browser-shot files   two volumes, the first with a handful of files (one blank, one unreadable)
//   browser-shot none    no volume with configuration files
// A second argument names the first volume (default "QLX CARD").
#include "application.h"
#include "config_record.h"
#include "form1.h"
#include "form2.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstring>

namespace {

void Write(const QString &path, const QByteArray &name, int size = int(ConfigRecordSize))
{
    QByteArray bytes(size, '\0');
    bytes.replace(0, qMin(name.size(), size), name.left(size));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    const bool withFiles = argc < 2 || std::strcmp(argv[1], "none") != 0;
    const std::string firstLabel = argc > 2 ? argv[2] : "QLX CARD";
    QTemporaryDir first, second;
    if (withFiles) {
        const QString root = first.path() + QLatin1Char('/');
        Write(root + QStringLiteral("LOBBY.CFG"), "Main Lobby & Bar");
        Write(root + QStringLiteral("A.CFG"), "Hotel Conference Wing");
        Write(root + QStringLiteral("spare.cfg"), "\xFF");
        Write(root + QStringLiteral("restaurant-night.cfg"), "Restaurant \x81" "ber Nacht 0123456");
        Write(root + QStringLiteral("my config.cfg"), "Caf\x82" " Terrace");
        Write(root + QStringLiteral("BROKEN.CFG"), "short", 100);
        Write(second.path() + QStringLiteral("/B.CFG"), "Second card");
    }
    TForm2::SetVolumeSource([&] {
        return std::vector<RemovableVolume>{{firstLabel, first.path().toStdString()},
                                            {"SDCARD", second.path().toStdString()}};
    });
    Form1 = new TForm1;
    Form2 = new TForm2;
    Form1->show();
    Form2->ShowBrowser();
    const int status = app.exec();
    delete Form2;
    delete Form1;
    return status;
}
