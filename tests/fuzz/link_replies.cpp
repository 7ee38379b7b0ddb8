// The link's handling of the radio's replies: any bytes as the answers to
// each kind of request (connection and identification, flash page reads and
// writes, RAM reads and writes, key and control commands), from the
// simulated radio driven on a virtual clock. The input picks the operation
// and then, request by request, whether the true answer goes out, goes
// missing, has a byte changed, is cut, is lengthened or is replaced.
// - The operation ends with the port closed, the link free and the flags
//   down; it succeeds exactly when an attempt got only answers it may
//   accept, with the attempts and retries the link's rules give, in the
//   protocol's order of requests.
// - What it accepted is what it keeps: a flash page holds what the last
//   answer the link accepted for it carries (the radio's page for a true
//   answer), or, with none accepted, what it held before, also after a
//   failed read; ranges read are the radio's, or the bytes of answers it
//   could not tell from true ones; a failed read leaves RAM images as they
//   were; a good write left the radio with the image's bytes.
#include "app/Shell.h"
#include "link/Engine.h"
#include "link/FlashTransfer.h"
#include "link/Protocol.h"
#include "link/RamTransfer.h"
#include "platform/IniFile.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/VirtualClock.h"
#include "tools/radiosim/Radio.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

using namespace radiolink;
using Bytes = std::vector<std::uint8_t>;

enum Op {
    Identify,
    ReadPages,
    WritePages,
    ReadInRam,
    ReadExtRam,
    WriteInRam,
    WriteExtRam,
    Key,
    ExtFlag,
    PowerAdj,
    OpCount
};

struct Answer {
    std::uint8_t command;
    Bytes request, truth, sent;
    bool acceptable;
};

unsigned word(const Bytes& b, std::size_t at) {
    return unsigned(b[at]) << 8 | b[at + 1];
}

// The radio's answers as the input edits them, and whether the link may
// accept each as it went out.
class Answers {
  public:
    Answers(fuzz::Input& in, Op op) : in_(in), op_(op) {}

    Bytes edit(const radiosim::Request& r, const Bytes& truth) {
        Bytes sent = truth;
        if (!in_.empty()) {
            const std::uint8_t action = in_.byte();
            switch (action % 6) {
            case 1:
                sent.clear();
                break;
            case 2:
                if (!sent.empty())
                    sent[in_.word() % sent.size()] ^= static_cast<std::uint8_t>(in_.byte() % 255 + 1);
                break;
            case 3:
                if (!sent.empty()) sent.resize(in_.word() % sent.size());
                break;
            case 4: {
                const Bytes more = in_.bytes(in_.byte() % 8);
                sent.insert(sent.end(), more.begin(), more.end());
                break;
            }
            case 5:
                sent = in_.bytes(in_.word() % 1100);
                break;
            default:
                break;
            }
        }
        answers.push_back({r.command, r.bytes, truth, sent, acceptable(r.bytes, truth, sent)});
        return sent;
    }

    std::vector<Answer> answers;

  private:
    // As the link checks a reply: the awaited length, the bytes it compares,
    // and a page's sum.
    bool acceptable(const Bytes& rq, const Bytes& truth, const Bytes& sent) const {
        std::size_t awaited = 6, checked = 6;
        const std::uint8_t command = rq[1];
        const bool page = command == 0x34 || command == 0x3A;
        if (command == 0x36) {
            const bool withSum = op_ == Identify && word(rq, 7) == 0x02F6;
            awaited = 11 + word(rq, 9) + (withSum ? 2 : 0);
            checked = 11;
        } else if (page) {
            awaited = 1037;
            checked = 10;
        } else if (command == 0x33 || command == 0x39) {
            awaited = checked = 8;
        }
        if (sent.size() < awaited || !std::equal(truth.begin(), truth.begin() + checked, sent.begin()))
            return false;
        // Only a page carries a sum the link checks: a RAM read of 1026
        // bytes awaits as many bytes as a page but carries none.
        if (!page) return true;
        unsigned sum = 0x5AA5;
        for (std::size_t i = 10; i < 1035; ++i) sum += sent[i];
        return (sum & 0xFFFF) == word(sent, 1035);
    }

    fuzz::Input& in_;
    Op op_;
};

// The requests of one run of attempts, and how many runs may be made.
struct Phase {
    Bytes commands;
    int runs = 1;
};

struct Outcome {
    bool ok = true;
    int tries = 0;
    std::size_t lastAttempt = 0; // index of the first answer of the last attempt
};

// What the link's rules make of the answers: up to 25 attempts per run, an
// attempt ending at its first answer it may not accept.
Outcome predict(const std::vector<Phase>& phases, const std::vector<Answer>& answers) {
    Outcome o;
    std::size_t at = 0;
    for (const Phase& phase : phases) {
        bool done = false;
        for (int run = 0; run < phase.runs && !done; ++run) {
            o.tries = 0;
            for (int attempt = 0; attempt < 25 && !done; ++attempt) {
                o.lastAttempt = at;
                bool good = true;
                for (std::uint8_t command : phase.commands) {
                    FUZZ_CHECK(at < answers.size());
                    FUZZ_CHECK(answers[at].command == command);
                    good = answers[at++].acceptable;
                    if (!good) break;
                }
                if (good)
                    done = true;
                else
                    ++o.tries;
            }
        }
        if (!done) {
            o.ok = false;
            break;
        }
    }
    FUZZ_CHECK(at == answers.size());
    return o;
}

// The page a flash page answer carries: the radio's scrambling undone with
// the answer's key.
Bytes unscrambled(const LinkState& s, const Bytes& answer) {
    const std::uint8_t key = answer[1034];
    Bytes page(1024);
    for (int i = 0; i < 1024; ++i)
        page[i] = s.WireTbl1[(answer[10 + i] - s.WireTbl3[(i + 10) % 256] + s.WireTbl1[key] + 256) % 256];
    return page;
}

Bytes pattern(std::size_t n, unsigned seed) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>((i * 37 + seed) ^ (i >> 8));
    return b;
}

struct Rig {
    testsupport::VirtualClock clock;
    radiosim::Radio radio{radiosim::Radio::Driven{}};
    std::unique_ptr<LinkState> state = std::make_unique<LinkState>();
    std::unique_ptr<model::Image> image = std::make_unique<model::Image>();

    Rig() {
        clock.attach(radio);
        app::shell().SettingsFile = fuzz::workFolder() + "/tavorin.def";
        // The port's lock file stays in the target's own folder.
        ::setenv("TAVORIN_LOCK_DIR", fuzz::workFolder().c_str(), 1);
        std::string ports = "[Ports]\n1=" + radio.devicePath() + "\n";
        for (int n = 2; n <= 16; ++n) ports += std::to_string(n) + "=" + fuzz::workFolder() + "/none\n";
        platform::writeFileAtomic(app::shell().SettingsFile, ports);
        LinkState& s = *state;
        s.ComPortNo = 1;
        InitComCode(s);
        InitWireTables(s);
        radio.setFlash(0, pattern(65536, 1));
        radio.setInRam(0, pattern(256, 2));
        radio.setExtRam(0, pattern(2816, 3));
        radio.setIdentity({0x12, 0x27, 0x15, 0x01, 0x00}, 101);
        const Bytes mine = pattern(65536, 4);
        std::copy(mine.begin(), mine.end(), image->begin());
        const Bytes in = pattern(256, 5), ext = pattern(2816, 6);
        std::copy(in.begin(), in.end(), s.InRamDat.begin());
        std::copy(ext.begin(), ext.end(), s.ExtRamDat.begin());
    }
};

constexpr int kReadablePages[] = {3, 50, 62, 63};
constexpr int kWritablePages[] = {6, 8, 50, 62, 63};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::quiet();
    fuzz::Input in(data, size);
    const Op op = static_cast<Op>(in.byte() % OpCount);
    const unsigned choice = in.word();
    const unsigned first = in.word(), length = in.word();

    Rig rig;
    LinkState& s = *rig.state;
    model::Image& image = *rig.image;
    const model::Image imageBefore = image;
    const auto inBefore = s.InRamDat;
    const auto extBefore = s.ExtRamDat;
    Answers answers(in, op);
    rig.radio.editReplies([&](const radiosim::Request& r, Bytes reply) { return answers.edit(r, reply); });

    std::vector<Phase> phases;
    std::vector<int> pages;
    const bool internal = op == ReadInRam || op == WriteInRam;
    const int listSize = internal ? 0xD0 : 0xB00;
    const int firstIndex = static_cast<int>(first % listSize);
    const int lastIndex = std::min<int>(listSize - 1, firstIndex + static_cast<int>(length % 1600));
    const unsigned ramFirst = static_cast<unsigned>(firstIndex) + (internal ? 0x30 : 0);
    const unsigned ramCount = static_cast<unsigned>(lastIndex - firstIndex + 1);
    switch (op) {
    case Identify:
        phases = {{{0x31}, 11}, {{0x31, 0x32, 0x36, 0x36}}};
        StartRadioSession(s);
        break;
    case ReadPages:
    case WritePages: {
        const bool read = op == ReadPages;
        Phase attempt{{0x31, 0x32}};
        bool programPage = false;
        const auto& set = read ? std::vector<int>(std::begin(kReadablePages), std::end(kReadablePages))
                               : std::vector<int>(std::begin(kWritablePages), std::end(kWritablePages));
        for (std::size_t i = 0; i < set.size(); ++i) {
            if (!(choice >> i & 1)) continue;
            const int p = set[i];
            pages.push_back(p);
            s.frmMain.chkFlashPage[p].Value = 1;
            const bool data = p >= 50 && p <= 62;
            attempt.commands.push_back(read ? (data ? 0x3A : 0x34) : (data ? 0x39 : 0x33));
            programPage = programPage || (p >= 7 && p <= 49);
        }
        if (!read) {
            if (!programPage) attempt.commands.push_back(0x31);
            attempt.commands.push_back(0x38);
        }
        phases = {attempt};
        if (read)
            ComReadFlash(s, image);
        else
            ComWriteFlash(s, image);
        break;
    }
    case ReadInRam:
    case ReadExtRam:
    case WriteInRam:
    case WriteExtRam: {
        const bool read = op == ReadInRam || op == ReadExtRam;
        const int chunk = read ? kRamReadChunk : kRamWriteChunk;
        Phase attempt{{0x31, 0x32}};
        for (unsigned at = 0; at < ramCount; at += chunk) attempt.commands.push_back(read ? 0x36 : 0x37);
        phases = {attempt};
        ToolWindow& w = s.frmMain;
        (read ? (internal ? w.cboRdInRamFir : w.cboRdExtRamFir)
              : (internal ? w.cboWrInRamFir : w.cboWrExtRamFir)) = firstIndex;
        (read ? (internal ? w.cboRdInRamLast : w.cboRdExtRamLast)
              : (internal ? w.cboWrInRamLast : w.cboWrExtRamLast)) = lastIndex;
        if (op == ReadInRam) ComReadInRam(s);
        if (op == ReadExtRam) ComReadExtRam(s);
        if (op == WriteInRam) ComWriteInRam(s);
        if (op == WriteExtRam) ComWriteExtRam(s);
        break;
    }
    case Key:
        phases = {{{0x31, 0x38, 0x38}}};
        ComProcSeq(s, choice & 1 ? SideKeyScript(s, SideKeyCode(choice % 3, choice & 2))
                                 : MainKeyScript(s, static_cast<int>(choice % 18)));
        break;
    case ExtFlag:
        phases = {{{0x31, 0x32, 0x36}}};
        ReadExtRamFlag(s);
        break;
    case PowerAdj:
        phases = {{{0x31, 0x32, 0x38, 0x38}}};
        SendPowerAdjCmd(s, static_cast<int>(choice & 1), static_cast<std::uint8_t>(choice >> 8));
        break;
    default:
        break;
    }
    rig.radio.editReplies(nullptr);

    // However it went, it is over.
    FUZZ_CHECK(!s.comCommun.PortOpen());
    FUZZ_CHECK(s.ComBusy == 0 && s.ComConnecting == 0);
    FUZZ_CHECK(s.holdDepth == 0 && !LinkRefuses(s));
    FUZZ_CHECK(answers.answers.size() == rig.radio.requests().size());

    const Outcome o = predict(phases, answers.answers);
    FUZZ_CHECK(s.ComFail == (o.ok ? 0 : -1));
    FUZZ_CHECK(s.ComTryCnt == o.tries);

    // What the last attempt's data answers carried, when they were accepted.
    std::vector<const Answer*> last;
    for (std::size_t i = o.lastAttempt; i < answers.answers.size(); ++i) last.push_back(&answers.answers[i]);

    switch (op) {
    case Identify:
        if (o.ok) {
            const Answer& a = *last[2];
            const Answer& b = *last[3];
            for (int i = 0; i < 12; ++i) FUZZ_CHECK(s.RxDat[1 + i] == a.sent[11 + i]);
            for (int i = 0; i < 6; ++i) FUZZ_CHECK(s.RxDat[13 + i] == b.sent[11 + i]);
        }
        break;
    case ReadPages: {
        const Bytes radio = rig.radio.flash(0, 65536);
        for (int p = 0; p < 64; ++p) {
            const bool ticked = std::find(pages.begin(), pages.end(), p) != pages.end();
            // The last answer for the page that the link accepted.
            const Answer* kept = nullptr;
            for (const Answer& a : answers.answers)
                if (a.acceptable && (a.command == 0x34 || a.command == 0x3A) &&
                    word(a.request, 6) / 1024 == static_cast<unsigned>(p))
                    kept = &a;
            const Bytes held(image.begin() + p * 1024, image.begin() + (p + 1) * 1024);
            if (!kept) {
                // Nothing accepted for it: as it was, also after a failed read;
                // a good read accepted every ticked page.
                FUZZ_CHECK(std::equal(held.begin(), held.end(), imageBefore.begin() + p * 1024));
                FUZZ_CHECK(!(ticked && o.ok));
            } else {
                FUZZ_CHECK(ticked);
                FUZZ_CHECK(held == unscrambled(s, kept->sent));
                if (kept->sent == kept->truth)
                    FUZZ_CHECK(std::equal(held.begin(), held.end(), radio.begin() + p * 1024));
            }
        }
        break;
    }
    case WritePages:
        FUZZ_CHECK(image == imageBefore);
        FUZZ_CHECK(s.frmMain.txtWrRightCnt == (o.ok ? "1" : "0"));
        if (o.ok)
            for (int p : pages)
                FUZZ_CHECK(rig.radio.flash(p * 1024, 1024) ==
                           Bytes(image.begin() + p * 1024, image.begin() + (p + 1) * 1024));
        break;
    case ReadInRam:
    case ReadExtRam: {
        const std::uint8_t* now = internal ? s.InRamDat.data() : s.ExtRamDat.data();
        const std::uint8_t* was = internal ? inBefore.data() : extBefore.data();
        const std::size_t all = internal ? 256 : 2816;
        Bytes want(was, was + all);
        if (o.ok) {
            std::size_t at = ramFirst;
            for (std::size_t i = 2; i < last.size(); ++i) {
                const unsigned n = word(last[i]->request, 9);
                std::copy(last[i]->sent.begin() + 11, last[i]->sent.begin() + 11 + n, want.begin() + at);
                at += n;
            }
            FUZZ_CHECK(at == ramFirst + ramCount);
        }
        FUZZ_CHECK(std::equal(want.begin(), want.end(), now));
        break;
    }
    case WriteInRam:
    case WriteExtRam: {
        FUZZ_CHECK(s.InRamDat == inBefore && s.ExtRamDat == extBefore);
        const std::uint8_t* mine = internal ? s.InRamDat.data() : s.ExtRamDat.data();
        const Bytes radio =
            internal ? rig.radio.inRam(ramFirst, ramCount) : rig.radio.extRam(ramFirst, ramCount);
        if (o.ok) FUZZ_CHECK(std::equal(radio.begin(), radio.end(), mine + ramFirst));
        break;
    }
    case ExtFlag:
        FUZZ_CHECK(s.ExtRamFlag == (o.ok && last[2]->sent[11] == 0xFF ? -1 : 0));
        break;
    default:
        break;
    }
    return 0;
}
