// The page's buttons that carry the saved game: セーブを書き出す downloads it as a file,
// セーブを読み込む reads a file in, checked by the game's own loading rules, while the
// title shows or once the game has ended. Both go through the portable form, a file the
// page keeps in memory.
#include <emscripten.h>
#include <emscripten/bind.h>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryFile>
#include <QWindow>
#include <string>
#include <vector>

#include "platform/file_store.h"
#include "platform/save_transfer.h"
#include "platform/saved_game_store.h"
#include "state/saved_game.h"

namespace zentar {
namespace {

std::function<bool()> replaceable;

// clang-format off
EM_JS(void, offerImport, (bool offered), {
    window.zentarGame = Module;  // the page's buttons call the game through it
    if (window.zentarOfferImport) zentarOfferImport(offered);
});
// clang-format on

QString scratchName() {
    QTemporaryFile file;
    file.open();
    return file.fileName();  // gone with `file`: the store makes it anew
}

// The saved game's portable text, or "" with why not in `failure`.
emscripten::val exportSave() {
    const QString name = scratchName();
    QString failure;
    {
        FileStore portable(name);
        failure = copySavedGame(*openSavedGame(), portable);
    }
    QFile file(name);
    const QByteArray text =
        failure.isEmpty() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    file.remove();
    emscripten::val result = emscripten::val::object();
    result.set("text", std::string(text.constData(), size_t(text.size())));
    result.set("failure", failure.toStdString());
    return result;
}

// Makes the file of `bytes` the saved game; returns "" or why it did not.
std::string importSave(const emscripten::val& bytes) {
    if (!replaceable || !replaceable())
        return "セーブデータを読み込めるのは、タイトル画面が出ているときと、終了したあとだけです。";
    const std::vector<char> text = emscripten::convertJSArrayToNumberVector<char>(bytes);
    const QString name = scratchName();
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), qint64(text.size())) != qint64(text.size()))
        return "読み込んだファイルを置く場所がありません。";
    file.close();
    QString failure;
    {
        FileStore portable(name);
        failure = copySavedGame(portable, *openSavedGame());
    }
    file.remove();
    return failure.toStdString();
}

EMSCRIPTEN_BINDINGS(zentar_save_transfer) {
    emscripten::function("zentarExportSave", &exportSave);
    emscripten::function("zentarImportSave", &importSave);
}

}  // namespace

void offerSaveTransfer(std::function<bool()> mayReplace) {
    replaceable = std::move(mayReplace);
    // The title comes and goes with a change of the window that has the keyboard.
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp,
                     [] { offerImport(replaceable()); });
    offerImport(replaceable());
}

}  // namespace zentar
