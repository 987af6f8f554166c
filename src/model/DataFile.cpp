#include "model/DataFile.h"

#include "model/OlderReleaseFixups.h"
#include "model/RecordIO.h"
#include "model/UserMessage.h"
#include "model/WriteFailure.h"
#include "model/VersionTexts.h"
#include "model/basDataConvert.h"
#include "model/basMainData.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace tessaro {
namespace {

struct ReleaseHeader {
    Release release;
    const char* name;
    const char* text;
};

const ReleaseHeader Headers[] = {
    {Release::R100, "1.00", "Quarnelvistobrante 1.00 UsrData (c) 2000 QUOLT Development Corp."},
    {Release::R101, "1.01", "Quarnelvistobrante 1.01 UsrData (c) 2000 QUOLT Development Corp."},
    {Release::R102, "1.02", "Quarnelvistobrante 1.02 UsrData (c) 2000 QUOLT Development Corp."},
    {Release::R103, "1.03", "Quarnelvistobrante 1.03 UsrData (c) 2000 QUOLT Development Corp."},
    {Release::R200, "2.00", "Quarnelvistobrante 2.00 UsrData (c) 2003 QUOLT Development Corp."},
    {Release::R202, "2.02", "Quarnelvistobrante 2.02 UsrData (c) 2004 QUOLT Development Corp."},
    {Release::R206, "2.06", "Quarnelvistobrante 2.06 UsrData (c) 2006 QUOLT Development Corp."},
    {Release::R300, "3.00", "Quarnelvistobrante 3.00 UsrData (c) 2013 QUOLT Development Corp."},
    {Release::R4002, "4.002", "Quarnelvistobrante 4.002UsrData (c) 2013 QUOLT Development Corp."},
    {Release::R4003, "4.003", "Quarnelvistobrante 4.003UsrData (c) 2013 QUOLT Development Corp."},
    {Release::R4004, "4.004", "Quarnelvistobrante 4.004UsrData (c) 2013 QUOLT Development Corp."},
    {Release::R4005, "4.005", "Quarnelvistobrante 4.005UsrData (c) 2013 QUOLT Development Corp."},
};

const ReleaseHeader* findHeader(Release r)
{
    for (const ReleaseHeader& h : Headers)
        if (h.release == r)
            return &h;
    return nullptr;
}

// The settings saved after the project record, items 4 to 15 of the layout, as
// each release stored them: listed once for writing (the current release) and
// reading. Values a release did not store keep those of the empty project the
// load starts from, or are fixed up after reading.
template <class V, class P>
void visitSettings(V& v, P& p, Release release)
{
    auto& s = p.Settings;
    v("SummaryTable", s.Summary);
    v("UpperRate", s.UpperRate);
    v("LowerRate", s.LowerRate);
    v("JudgeRangeMode", s.JudgeRangeMode);
    v("JudgeFromCycle", s.JudgeFromCycle);
    if (release <= Release::R206) { // two options of the judgement settings, unsaved since 3.00
        v("JudgeOption1", p.JudgeOption1);
        v("RateFactor", s.RateFactor);
        v("JudgeOption2", p.JudgeOption2);
    } else {
        v("RateFactor", s.RateFactor);
    }
    if (release >= Release::R202)
        v("UltimatePullOut", s.UltimatePullOut);
    if (release >= Release::R300) {
        v("StandardEdition", s.StandardEdition);
        Block<10> reserved{}; // five int16, written as 0, skipped when read
        v("Reserved", reserved);
        v("CreepJudgeValues", s.CreepJudgeValues);
        v("TpLimitCoefA", s.TpLimitCoefA);
        v("TpLimitCoefB", s.TpLimitCoefB);
        Block<8> reservedToo{}; // four int16, the same
        v("Reserved", reservedToo);
    }
    if (release >= Release::R4002) {
        v("HeaderBlock", s.Header);
        v("CreepJudgeExtend", s.CreepJudgeExtend);
    }
}

// The project record as the release stored it, converted into the current one.
void readProjectRecord(RecordReader& r, Release release, ProjectRecord& record)
{
    if (release >= Release::R4004) {
        r("ProjectRecord", record);
    } else if (release >= Release::R200) {
        Release4ProjectRecord older;
        r("ProjectRecord", older);
        ConvertRelease4Record(std::move(older), record);
        if (release <= Release::R206)
            ConvertRelease2Details(record);
    } else {
        Release1ProjectRecord older;
        r("ProjectRecord", older);
        ConvertRelease1Record(std::move(older), record);
        ConvertRelease2Details(record);
    }
}

QString oldReleaseMessage(const QString& path)
{
    return path + "\n\n" + QStringLiteral("このファイルは、古いバージョンで作成されたファイルなので読むことが出来ません。") + "\n" +
           QStringLiteral("「Velmaro データ変換」プログラムでデータ変換を行ってから読み直して下さい。") + "\n\n\n" +
           QStringLiteral("※「Velmaro データ変換」は、製品CD-ROM内のConvertフォルダにあるSetup.Exeを実行するか、もしくは、") + "\n" +
           QStringLiteral("　ヘルプメニューの「サポートページ」からデータ変換プログラムをダウンロードしてください。");
}

// Bounds the loaded project to what the model can hold: at most 999 anchors,
// every per-anchor array as long as the anchor count, reading counts within
// their rows, and one anchor in a basic investigation project.
void normaliseLoaded(Project& p)
{
    ProjectRecord& r = p.Record;
    p.TestCategory = r.SavedTestCategory == 0 ? 0 : 1;
    std::size_t provided = std::max({r.AnchorLabels.size(), r.AnchorMarks.size(), r.Anchors.size(),
                                     r.CreepSelections.size(), r.Schedules.size()});
    const int inFile = std::min<int>(std::max<int>(r.AnchorCount, 0), int(provided));
    int n = std::min(inFile, MaxAnchors);
    if (p.isBasic())
        n = 1;
    // The anchors beyond the format's limit are not kept: said now, not found
    // missing after the next save.
    else if (inFile > MaxAnchors)
        showMessage(QStringLiteral("このファイルには%1本のアンカーが記録されていますが、"
                                   "登録できるアンカー総本数は%2本までです。\n先頭の%2本を読み込みました。")
                        .arg(inFile)
                        .arg(MaxAnchors),
                    MsgIcon::Information);
    ResizeAnchorArrays(p, n);
    auto clampCount = [](AnchorRecord& a) {
        a.ReadingCount = std::int16_t(std::clamp<int>(a.ReadingCount, 0, int(a.Readings.size())));
    };
    clampCount(r.WorkingAnchor);
    for (AnchorRecord& a : r.Anchors)
        clampCount(a);
}

} // namespace

QByteArray headerText(Release r)
{
    const ReleaseHeader* h = findHeader(r);
    return h ? QByteArray(h->text) : QByteArray();
}

QString releaseName(Release r)
{
    const ReleaseHeader* h = findHeader(r);
    return h ? QString::fromLatin1(h->name) : QString();
}

Release releaseOfHeader(const QByteArray& bytes)
{
    QByteArray head = bytes.left(HeaderLength);
    for (const ReleaseHeader& h : Headers)
        if (head == h.text)
            return h.release;
    return Release::Unknown;
}

// Room for the whole file at once: an anchor takes some 45 kB (its cycle table
// and holding schedule) plus its readings, so a full project runs to tens of
// megabytes, which growing the buffer step by step would copy over and over.
static qsizetype expectedFileSize(const Project& p)
{
    constexpr qsizetype PerAnchor = 46 * 1024;
    constexpr qsizetype PerReading = 80;
    qsizetype readings = p.Record.WorkingAnchor.Readings.size();
    for (const AnchorRecord& a : p.Record.Anchors)
        readings += a.Readings.size();
    return (1 << 20) + qsizetype(p.Record.Anchors.size() + 1) * PerAnchor + readings * PerReading;
}

QByteArray encodeProject(const Project& p)
{
    QByteArray out;
    out.reserve(expectedFileSize(p));
    out.append(headerText(Release::R4005));
    RecordWriter w(out);
    w("SavedByVersion", p.SavedByVersion);
    w("SavedOnOS", p.SavedOnOS);
    w("ProjectRecord", p.Record);
    visitSettings(w, p, Release::R4005);
    return out;
}

void decodeDataFile(const QByteArray& body, Release release, Project& p)
{
    RecordReader r(body.constData(), std::size_t(body.size()));
    if (release != Release::R102) {
        r("SavedByVersion", p.SavedByVersion);
        r("SavedOnOS", p.SavedOnOS);
    }
    p.FromOlderRelease = release < Release::R4002;
    ResetProjectHeader(p);
    readProjectRecord(r, release, p.Record);
    visitSettings(r, p, release);

    normaliseLoaded(p);
    FixOlderReleaseValues(release, p);
    NormaliseRates(p);
    if (p.Settings.RateFactor == 0)
        p.Settings.RateFactor = 1.0f;
}

bool SaveDataFile(const QString& path)
{
    Project& p = project();
    p.Record.SavedTestCategory = p.TestCategory;
    MakeVersionTexts();
    if (!SaveWholeFile(path, encodeProject(p)))
        return false;
    p.FromOlderRelease = false;
    return true;
}

bool LoadDataFile(const QString& path)
{
    Project& p = project();
    p.LoadFailed = true;
    if (path.isEmpty()) {
        showMessage(QStringLiteral("ファイルを指定してください"), MsgIcon::Exclamation);
        return false;
    }
    if (!QFileInfo(path).isFile()) {
        showMessage(QStringLiteral("フォルダが見つかりませんでした") + "\n" + QStringLiteral("ファイル名：") + path,
                    MsgIcon::Exclamation);
        return false;
    }
    InitProject(p, 0);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(file.errorString() + "\n" + QStringLiteral("ファイル名：") + path, MsgIcon::Exclamation);
        return false;
    }
    QByteArray bytes = file.readAll();
    file.close();

    Release release = releaseOfHeader(bytes);
    switch (release) {
    case Release::R100:
    case Release::R101:
        showMessage(oldReleaseMessage(path), MsgIcon::Exclamation);
        return false;
    case Release::Unknown:
        showMessage(QStringLiteral("Tessaroのデータではありません。ファイル形式が違います。") + "\n\n     " + path,
                    MsgIcon::Exclamation);
        return false;
    default:
        break;
    }

    // Read in place: a full project is tens of megabytes, not worth a copy.
    decodeDataFile(QByteArray::fromRawData(bytes.constData() + HeaderLength, bytes.size() - HeaderLength), release, p);
    p.LoadFailed = false;
    return true;
}

} // namespace tessaro
