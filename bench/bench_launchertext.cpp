// The launcher file's YAML text for 10,000 items in 100 sections: writing the text,
// reading it (UTF-8 check, YAML parse, every key and value checked) and opening it as
// the document. The binary file's budget is 50 ms each way; prints the median of runs.
#include "TenThousandItems.h"
#include "document/LauncherDocument.h"
#include "document/LauncherFile.h"
#include "textform/LauncherText.h"
#include "textform/YamlTree.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

using TenThousandItems::Items;
constexpr int Runs = 9;

double Median(const std::function<void()>& Work) {
    QVector<double> ms;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        Work();
        ms.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[Runs / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    LauncherDocument doc;
    TenThousandItems::Fill(doc);
    QByteArray text;
    const double write = Median([&] { text = LauncherText::Write(doc); });
    const double utf8 = Median([&] { YamlTree::FirstInvalidUtf8Line(text); });
    const double tree = Median([&] { YamlTree::Parse(text); });
    const double parse = Median([&] { LauncherText::Parse(text); });
    const QString file = temp.filePath(QStringLiteral("big.yaml"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
        return 1;
    out.close();
    const double open = Median([&] {
        LauncherDocument loaded;
        LauncherFile::OpenFile(loaded, file, false);
    });
    std::printf("YAML text of %d items: %lld bytes\n", Items, static_cast<long long>(text.size()));
    std::printf("  write          %7.1f ms\n", write);
    std::printf("  UTF-8 check    %7.1f ms\n", utf8);
    std::printf("  YAML tree      %7.1f ms\n", tree);
    std::printf("  read (checked) %7.1f ms\n", parse);
    std::printf("  open as document %5.1f ms\n", open);
    return 0;
}
