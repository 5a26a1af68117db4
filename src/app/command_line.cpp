#include "app/command_line.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

#include "app/qt_services.h"
#include "platform/file_store.h"
#include "platform/run.h"
#include "platform/saved_game_store.h"
#include "platform/single_instance.h"
#include "state/saved_game.h"

namespace zentar {
namespace {

const QString kExport = QStringLiteral("--export-save");
const QString kImport = QStringLiteral("--import-save");

void print(std::FILE* to, const QString& text) {
    std::fputs(qUtf8Printable(text + QLatin1Char('\n')), to);
    std::fflush(to);
}

int fail(const QString& why) {
    print(stderr, QStringLiteral("zentar: ") + why);
    return 1;
}

const QString kHelp = QStringLiteral(
    "使い方: zentar [オプション]\n"
    "オプションなしで起動すると、ゲームが始まります。\n"
    "\n"
    "  --export-save ファイル  セーブデータをファイルに書き出します。ほかのコンピューター\n"
    "                          やブラウザーのゼンタルで読み込めます。\n"
    "  --import-save ファイル  書き出したセーブデータを読み込み、このゼンタルのセーブデータ\n"
    "                          にします。傷んだファイルや足りないファイルは読み込みません。\n"
    "  --help                  この説明を表示します。\n"
    "\n"
    "ゼンタルが動いている間は、書き出しも読み込みもできません。");

// Copies the saved game between the game's store and `file`, in the direction `command`
// names, while no game runs.
int transfer(const QString& command, const QString& file) {
    SingleInstance instance(settingsFolder());
    if (!instance.claim(false))
        return fail(QStringLiteral("ゼンタルが動いています。終わらせてから、もう一度どうぞ。"));
    const std::unique_ptr<Store> game = openSavedGame();
    if (command == kImport && !QFileInfo(file).isFile())
        return fail(QStringLiteral("%1 を読めません。").arg(QDir::toNativeSeparators(file)));
    FileStore portable(file);
    const QString failure =
        command == kExport ? copySavedGame(*game, portable) : copySavedGame(portable, *game);
    if (!failure.isEmpty()) return fail(failure);
    print(
        stdout,
        command == kExport
            ? QStringLiteral("セーブデータを %1 に書き出しました。")
                  .arg(QDir::toNativeSeparators(file))
            : QStringLiteral("%1 をセーブデータにしました。").arg(QDir::toNativeSeparators(file)));
    return 0;
}

}  // namespace

std::optional<int> runCommand(int argc, char** argv) {
    const auto given = [&](const QString& option) {
        for (int i = 1; i < argc; ++i)
            if (option == QLatin1String(argv[i])) return true;
        return false;
    };
    if (!given(QStringLiteral("--help")) && !given(kExport) && !given(kImport))
        return std::nullopt;  // Qt's own options, or none: the game plays
    QCoreApplication core(argc, argv);
    QCoreApplication::setOrganizationName(QLatin1String(kGameName));
    QCoreApplication::setApplicationName(QLatin1String(kGameName));
    useStartingConsole();
    const QStringList arguments = QCoreApplication::arguments().mid(1);  // the file as given
    const bool help = arguments == QStringList{QStringLiteral("--help")};
    const bool carry =
        arguments.size() == 2 && (arguments[0] == kExport || arguments[0] == kImport);
    if (help) {
        print(stdout, kHelp);
        return 0;
    }
    if (!carry) return fail(QStringLiteral("ファイルを一つ指定してください。\n") + kHelp);
    return transfer(arguments[0], arguments[1]);
}

}  // namespace zentar
