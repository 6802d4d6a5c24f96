// Strokewheel - mouse gestures for CAD drawing views.
// Hostile settings files through the host store and the module's load: no crash, every
// stored value normalised, every other section's text untouched. Deterministic;
// SW_FUZZ_INPUTS sets the number of inputs (default 100,000; 10,000 under a sanitizer).
#include "ConfigTestHost.h"

#include <QtTest>

#include <random>

using namespace configtest;

class tst_SettingsFuzz : public QObject
{
    Q_OBJECT

private slots:
    void hostileFilesEndNormalised();
};

void tst_SettingsFuzz::hostileFilesEndNormalised()
{
#if defined(__SANITIZE_ADDRESS__)
    const int fallbackCount = 10000;
#else
    const int fallbackCount = 100000;
#endif
    const int count = qEnvironmentVariableIsSet("SW_FUZZ_INPUTS") ? qEnvironmentVariableIntValue("SW_FUZZ_INPUTS")
                                                                   : fallbackCount;
    // fsync on a RAM disk costs nothing, so the run measures the code, not the disk.
    QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/swfuzz-XXXXXX")
                                                                   : QString());
    QTemporaryDir fallback;
    useFallbackFolder(fallback.path());
    standin::reset();
    buildCatalogue();
    const QString file = folder.filePath(QStringLiteral("settings.ini"));
    standin::SettingsStore *store = standin::settingsStore();
    store->setProblemHandler([](const QString &) {});

    const QList<QByteArray> keys = {"EnableMouseGesture", "ActiveScheme", "41", "44", "81", "88", "87", "x", ""};
    const QList<QByteArray> texts = {
        "", "0", "1", "4", "8", "6", "yes", " 8", "ID_LINE", "ID_CIRCLE", "ID_NONE", "id_line", "\\\\", "\\n",
        "=", "[x]", QByteArray(3000, 'A'), QByteArray("\0\x01", 2), "\xef\xbb\xbf", "\xe4\xb8\xad"};
    // Values that make the whole file unreadable: rare, or few files would be rewritten.
    const QList<QByteArray> breaking = {"\\q", "\\", "\xc3\x28", "\xff"};
    const QList<QByteArray> lineEnds = {"\n", "\r\n", "\r"};
    std::mt19937 random(20261205);
    const auto pick = [&random](const auto &list) { return list.at(int(random() % unsigned(list.size()))); };
    const auto value = [&] { return random() % 256 ? pick(texts) : pick(breaking); };
    QStringList commandIds;
    for (const K2CommandInfo &command : qAsConst(K2GestureConfig::instance()->commands))
        commandIds << command.id;
    int rewritten = 0;
    for (int input = 0; input < count; ++input) {
        const QByteArray end = pick(lineEnds);
        const QByteArray prefix = (random() % 2 ? QByteArray("\xef\xbb\xbf") : QByteArray()) + "; mine" + end +
                                  "[Host]" + end + "b=" + value() + end + "a=1" + end + end;
        // Most keys present (a missing one is read from the slow Qt fallback), some twice,
        // some lines that are no settings at all.
        QByteArray middle = "[Strokewheel]" + end;
        for (const QString &key : allKeys()) {
            if (random() % 32)
                middle += key.toLatin1() + "=" + value() + end;
        }
        for (int line = int(random() % 3); line > 0; --line)
            middle += random() % 16 ? pick(keys) + "=" + value() + end : value() + end;
        const QByteArray suffix = "; tail" + end + "[Window]" + end + "z=" + value() + end;
        const QByteArray before = prefix + middle + suffix;
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(before) == before.size());
        out.close();

        store->setFile(file);
        const bool readable = store->load();
        K2GestureConfig::instance()->reload();
        QVERIFY(store->flush() || !readable);

        const QString scheme = storedText(QStringLiteral("ActiveScheme"));
        QVERIFY(scheme == QLatin1String("4") || scheme == QLatin1String("8"));
        QCOMPARE(K2GestureConfig::instance()->eightGestures, scheme == QLatin1String("8") ? 1u : 0u);
        const QString flag = storedText(QStringLiteral("EnableMouseGesture"));
        QVERIFY(flag == QLatin1String("1") || flag == QLatin1String("0"));
        for (const QString &key : allKeys().mid(2))
            QVERIFY2(stored(key) && (storedText(key).isEmpty() || commandIds.contains(storedText(key))),
                     qPrintable(key));
        QFile in(file);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QByteArray after = in.readAll();
        if (!readable)
            QCOMPARE(after, before);
        QVERIFY2(after.startsWith(prefix) && after.endsWith(suffix), before.toPercentEncoding().constData());
        rewritten += after != before ? 1 : 0;
    }
    // The generator must reach the writing path, not only files refused as unreadable.
    QVERIFY(rewritten > count / 4);
    qInfo("%d inputs, %d files rewritten", count, rewritten);
}

QTEST_MAIN(tst_SettingsFuzz)
#include "tst_settingsfuzz.moc"
