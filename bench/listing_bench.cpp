// How much the browser's listing costs over just reading the files: lists a folder of 1, 100 and 1000
// ".cfg" files through the real listing (ComboBox1Change) and, in the same run, times a bare
// open/read/close loop over the same files. Prints the median of several rounds of each and their ratio.
//   listing_bench [rounds]
#include "application.h"
#include "config_record.h"
#include "file_list_box.h"
#include "form1.h"
#include "form2.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void MakeFiles(const QString &folder, int count, std::vector<std::string> &paths)
{
    for (int i = 0; i < count; ++i) {
        QByteArray record(int(ConfigRecordSize), '\0');
        const QByteArray name = "Setup number " + QByteArray::number(i);
        record.replace(0, name.size(), name);
        const QString path = folder + QStringLiteral("/CFG%1.CFG").arg(i, 4, 10, QLatin1Char('0'));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(record) != record.size())
            qFatal("cannot write %s", qPrintable(path));
        paths.push_back(QFile::encodeName(path).toStdString());
    }
}

// The floor: each file opened as the editor opens it, one read of a record, closed.
void BareLoop(const std::vector<std::string> &paths)
{
    char buffer[ConfigRecordSize];
    for (const std::string &path : paths) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0 || ::read(fd, buffer, sizeof buffer) != ssize_t(sizeof buffer))
            qFatal("cannot read %s", path.c_str());
        ::close(fd);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(3, atoi(argv[1])) : 21;

    Form1 = new TForm1;
    Form2 = new TForm2;
    std::printf("%6s %12s %12s %8s   (median of %d rounds, milliseconds)\n", "files", "listing", "bare loop",
                "ratio", rounds);
    for (const int count : {1, 100, 1000}) {
        QTemporaryDir volume;
        std::vector<std::string> paths;
        MakeFiles(volume.path(), count, paths);
        TForm2::SetVolumeSource([&] { return std::vector<RemovableVolume>{{"BENCH", volume.path().toStdString()}}; });
        Form2->hide();
        Form2->ShowBrowser();
        if (Form2->ListBox1->count() != count)
            qFatal("listed %d lines of %d files", int(Form2->ListBox1->count()), count);

        std::vector<double> listing, bare;
        QElapsedTimer clock;
        for (int round = 0; round < rounds; ++round) {
            clock.start();
            Form2->ComboBox1Change();
            listing.push_back(double(clock.nsecsElapsed()) / 1e6);
            clock.start();
            BareLoop(paths);
            bare.push_back(double(clock.nsecsElapsed()) / 1e6);
        }
        const double l = Median(listing), b = Median(bare);
        std::printf("%6d %12.3f %12.3f %8.2f\n", count, l, b, l / b);
    }
    delete Form2;
    delete Form1;
    return 0;
}
