#include "tools/radiosim/Radio.h"

#include "platform/SerialPort.h"
#include "tools/radiosim/Line.h"
#include "wire/WireTables.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <poll.h>
#include <random>

namespace radiosim {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The radio's own table of command frames (sync byte, command, four code bytes).
struct Frame {
    std::uint8_t command;
    std::array<std::uint8_t, 4> code;
};
constexpr std::array<Frame, 9> kFrames = {{
    {0x31, {0x8C, 0x31, 0xE0, 0xA4}},
    {0x32, {0xD5, 0x4B, 0x9E, 0x27}},
    {0x33, {0x4A, 0xF0, 0x62, 0x9B}},
    {0x34, {0xE1, 0xD8, 0x3C, 0x50}},
    {0x36, {0x6E, 0x24, 0xB8, 0xD3}},
    {0x37, {0x0C, 0x95, 0xF7, 0xA1}},
    {0x38, {0xF3, 0x6D, 0x18, 0xC9}},
    {0x39, {0x2B, 0x80, 0xE4, 0x5F}},
    {0x3A, {0xA7, 0xC2, 0x59, 0x7E}},
}};
constexpr std::array<std::uint8_t, 8> kBlock0 = {0x00, 0xF1, 0x3C, 0x8A, 0x62, 0xD4, 0xB7, 0xE9};
constexpr std::array<std::uint8_t, 8> kBlock1 = {0x11, 0xA7, 0xD2, 0x0B, 0x94, 0xE3, 0x6C, 0x58};
constexpr std::array<std::uint8_t, 3> kBlock2 = {0x22, 0xC5, 0xF1};
constexpr std::array<std::uint8_t, 3> kBlock5 = {0x55, 0xB3, 0xE1};
constexpr std::size_t kInRam = 256;
constexpr std::size_t kExtRam = 2816;

std::uint8_t swap(std::uint8_t b) {
    return static_cast<std::uint8_t>((b << 4) | (b >> 4));
}

const Frame* frameOf(std::uint8_t command) {
    for (const Frame& f : kFrames)
        if (f.command == command) return &f;
    return nullptr;
}

Bytes frameBytes(const Frame& f) {
    return {0x5A, f.command, f.code[0], f.code[1], f.code[2], f.code[3]};
}

Bytes replyFrame(std::uint8_t command) {
    Bytes b = frameBytes(*frameOf(command));
    for (std::size_t i = 1; i < b.size(); ++i) b[i] = swap(b[i]);
    return b;
}

unsigned sum16(const std::uint8_t* p, std::size_t n, unsigned seed = 0x5AA5) {
    for (std::size_t i = 0; i < n; ++i) seed += p[i];
    return seed & 0xFFFF;
}

void putSum(Bytes& out, unsigned sum) {
    out.push_back(static_cast<std::uint8_t>(sum >> 8));
    out.push_back(static_cast<std::uint8_t>(sum & 0xFF));
}

unsigned word(const Bytes& b, std::size_t at) {
    return (unsigned(b[at]) << 8) | b[at + 1];
}

// Whether buf can still grow into a known request frame.
bool framePrefix(const Bytes& buf) {
    if (buf.empty()) return true;
    if (buf[0] != 0x5A) return false;
    if (buf.size() < 2) return true;
    const Frame* f = frameOf(buf[1]);
    if (!f) return false;
    for (std::size_t i = 2; i < std::min<std::size_t>(buf.size(), 6); ++i)
        if (buf[i] != f->code[i - 2]) return false;
    return true;
}

// Length of the whole request, 0 while it cannot be told yet.
std::size_t requestLength(const Bytes& buf) {
    if (buf.size() < 6) return 0;
    switch (buf[1]) {
    case 0x31:
        return 6;
    case 0x32:
        return 9;
    case 0x33:
    case 0x39:
        return 1034;
    case 0x34:
    case 0x3A:
        return 12;
    case 0x36:
        return 13;
    case 0x37:
        return buf.size() < 11 ? 0 : 13 + word(buf, 9);
    case 0x38:
        return 14;
    default:
        return 0;
    }
}

std::int64_t nowUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

struct FaultRule {
    Fault fault;
    int command;
    int from;
    int count;
    int page;
    int seen = 0;
};

// The flash page a request moves, -1 for the other requests.
int pageOf(const Bytes& rq) {
    switch (rq[1]) {
    case 0x33:
    case 0x39:
        return rq[6];
    case 0x34:
    case 0x3A:
        return static_cast<int>(word(rq, 6) / 1024);
    default:
        return -1;
    }
}

bool dataPage(int page) {
    return page >= 50 && page <= 62;
}

std::array<std::uint8_t, 256> table(const std::array<const char*, 256>& texts) {
    std::array<std::uint8_t, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = static_cast<std::uint8_t>(std::stoi(texts[i], nullptr, 16));
    return t;
}

std::array<std::uint8_t, 256> inverse(const std::array<std::uint8_t, 256>& t) {
    std::array<std::uint8_t, 256> inv{};
    for (int i = 0; i < 256; ++i) inv[t[i]] = static_cast<std::uint8_t>(i);
    return inv;
}

} // namespace

struct Radio::Impl {
    std::unique_ptr<Line> line = std::make_unique<Line>(); // null once hung up
    // The line hung up, kept so that its path is no other test's line until
    // the radio is plugged in again (the program may still be told to open it).
    std::unique_ptr<Line> pulled;
    std::string path = line->devicePath();
    const bool driven;
    mutable std::mutex mutex;
    std::thread thread;
    std::atomic<bool> stopping{false};

    // Guarded by mutex.
    std::array<std::uint8_t, 65536> flash{};
    std::array<std::uint8_t, kInRam> inRam{};
    std::array<std::uint8_t, kExtRam> extRam{};
    int baud = 0;
    bool pacedRequests = false;
    std::vector<FaultRule> faults;
    ReplyEdit edit;
    std::vector<Request> log;
    std::vector<Control> controls;

    // The serving thread's own (a driven radio's: the driver's).
    std::int64_t now = 0; // the time of the step being run
    int stage = 0;        // 1 after stage 1, 2 after stage 2
    Bytes buf;
    std::uint64_t recent = 0; // the last six bytes received, the latest lowest
    std::deque<std::pair<std::uint8_t, std::int64_t>> in, out; // byte, time due
    std::int64_t inLineFree = 0, outLineFree = 0;
    std::uint64_t writesSeen = ~std::uint64_t{0}; // the ports' writes at the last look
    std::mt19937 random{0x5eed};
    // The radio's side of the page scrambling.
    const std::array<std::uint8_t, 256> t1 = table(wire::kWireTbl1Text);
    const std::array<std::uint8_t, 256> t3 = table(wire::kWireTbl3Text);
    const std::array<std::uint8_t, 256> t1Inverse = inverse(t1);
    const std::array<std::uint8_t, 256> t2Inverse = inverse(table(wire::kWireTbl2Text));

    explicit Impl(bool driven) : driven(driven) {
        flash.fill(0xFF);
        if (!driven) thread = std::thread([this] { serve(); });
    }
    ~Impl() {
        stopping = true;
        if (thread.joinable()) thread.join();
    }

    std::int64_t byteUs() const { return baud > 0 ? (11'000'000LL + baud - 1) / baud : 0; }

    void serve() {
        while (!stopping) {
            runTo(nowUs());
            std::int64_t wake = nowUs() + 5000;
            if (auto due = nextDue()) wake = std::min(wake, *due);
            int fd = -1;
            {
                std::lock_guard lock(mutex);
                if (line) fd = line->fd();
            }
            pollfd p{fd, POLLIN, 0};
            const std::int64_t waitUs = std::max<std::int64_t>(0, wake - nowUs());
            timespec ts{static_cast<time_t>(waitUs / 1'000'000),
                        static_cast<long>(waitUs % 1'000'000) * 1000};
            ::ppoll(&p, 1, &ts, nullptr);
        }
    }

    void runTo(std::int64_t t) {
        std::lock_guard lock(mutex);
        now = std::max(now, t);
        if (!line) return;
        const std::int64_t step = pacedRequests ? byteUs() : 0;
        const Bytes came = newBytes();
        if (step == 0 && in.empty()) {
            // Unpaced, every byte is heard as it comes.
            for (std::size_t i = 0; line && i < came.size(); ++i) take(came[i]); // may hang up
            if (line) deliver();
            return;
        }
        for (std::uint8_t b : came) {
            // A paced byte arrives when the line has carried it.
            inLineFree = step ? std::max(inLineFree, now) + step : now;
            in.emplace_back(b, inLineFree);
        }
        while (line && !in.empty() && in.front().second <= now) {
            const std::uint8_t b = in.front().first;
            in.pop_front();
            take(b); // may hang up, which empties `in`
        }
        if (line) deliver();
    }

    // What the line has brought. Driven, the program that writes to it runs
    // in this process: until one of its ports writes again, nothing new has
    // come, and the line need not be looked at.
    Bytes newBytes() {
        if (driven) {
            const std::uint64_t writes = platform::SerialPort::writesSoFar();
            if (writes == writesSeen) return {};
            writesSeen = writes;
        }
        return line->takeAll();
    }

    std::optional<std::int64_t> nextDue() const {
        std::lock_guard lock(mutex);
        std::optional<std::int64_t> due;
        if (!in.empty()) due = in.front().second;
        if (!out.empty()) due = std::min(due.value_or(out.front().second), out.front().second);
        return due;
    }

    void deliver() {
        Bytes due;
        while (!out.empty() && out.front().second <= now) {
            due.push_back(out.front().first);
            out.pop_front();
        }
        const std::size_t done = line->send(due);
        // What the line would not take now goes out first next time.
        for (std::size_t i = due.size(); i > done; --i) out.emplace_front(due[i - 1], now);
        if (driven) line->settle();
    }

    void send(const Bytes& reply) {
        const std::int64_t step = byteUs();
        for (std::uint8_t b : reply) {
            outLineFree = step ? std::max(outLineFree, now) + step : now;
            out.emplace_back(b, outLineFree);
        }
    }

    // Called with mutex held, one received byte at a time.
    void take(std::uint8_t b) {
        buf.push_back(b);
        recent = (recent << 8 | b) & 0xFFFF'FFFF'FFFF;
        static const Bytes stage1 = frameBytes(kFrames[0]);
        static const std::uint64_t stage1Bits = [] {
            std::uint64_t bits = 0;
            for (std::uint8_t x : stage1) bits = bits << 8 | x;
            return bits;
        }();
        if (recent == stage1Bits) {
            // Every stage-1 frame starts afresh, whatever came before it,
            // even when a cut request took its first bytes.
            buf = stage1;
        } else if (buf.size() <= 6) {
            // Only a frame's first six bytes tell whether it is one.
            while (!framePrefix(buf)) buf.erase(buf.begin());
        }
        const std::size_t need = requestLength(buf);
        if (need == 0 || buf.size() < need) return;
        Bytes request;
        request.swap(buf);
        handle(request);
    }

    const FaultRule* faultFor(std::uint8_t command, int page) {
        const FaultRule* hit = nullptr;
        for (FaultRule& r : faults) {
            if (r.command != -1 && r.command != command) continue;
            if (r.page != -1 && r.page != page) continue;
            const int index = r.seen++;
            if (index >= r.from && (r.count < 0 || index < r.from + r.count)) hit = &r;
        }
        return hit;
    }

    void handle(const Bytes& rq) {
        const std::uint8_t command = rq[1];
        const FaultRule* fault = faultFor(command, pageOf(rq));
        log.push_back({command, rq, false, now});
        if (fault && fault->fault == Fault::HangUp) {
            hangUp();
            return;
        }
        if (fault && fault->fault == Fault::Silence) return;
        Bytes reply = answer(rq);
        if (reply.empty() || (fault && fault->fault == Fault::LostReply)) return;
        if (fault) spoil(reply, fault->fault);
        if (edit) reply = edit(log.back(), std::move(reply));
        if (reply.empty()) return;
        log.back().answered = true;
        send(reply);
    }

    // Drops the line and everything on its way, in both directions.
    void hangUp() {
        line->hangUp();
        pulled = std::move(line);
        buf.clear();
        in.clear();
        out.clear();
        stage = 0;
    }

    void spoil(Bytes& reply, Fault f) {
        switch (f) {
        case Fault::Garbage:
            for (auto& b : reply) b = static_cast<std::uint8_t>(~b);
            break;
        case Fault::WrongSum: {
            // Replies longer than a frame end with their sum; a bare frame
            // ends with a code byte.
            std::uint8_t& low = reply.back();
            if (reply.size() > 6 && low == 0xFF) reply[reply.size() - 2] += 1;
            low += 1;
            break;
        }
        case Fault::ShortReply:
            reply.resize(reply.size() - 2);
            break;
        default:
            break;
        }
    }

    Bytes answer(const Bytes& rq) {
        const std::uint8_t command = rq[1];
        switch (command) {
        case 0x31:
            stage = 1;
            return replyFrame(command);
        case 0x32: {
            const bool mode = (rq[6] == 0x5A && rq[7] == 0x5A && rq[8] == 0x89) ||
                              (rq[6] == 0x5A && rq[7] == 0xA5 && rq[8] == 0x98);
            if (stage < 1 || !mode) return {};
            stage = 2;
            return replyFrame(command);
        }
        case 0x36:
            return readRam(rq);
        case 0x37:
            return writeRam(rq);
        case 0x38:
            return control(rq);
        case 0x33:
        case 0x39:
            return writePage(rq);
        case 0x34:
        case 0x3A:
            return readPage(rq);
        default:
            return {};
        }
    }

    std::uint8_t* ramArea(std::uint8_t area, unsigned address, unsigned length) {
        if (length == 0) return nullptr;
        if (area == 0x37 && address + length <= kInRam) return inRam.data() + address;
        if (area == 0x85 && address + length <= kExtRam) return extRam.data() + address;
        return nullptr;
    }

    Bytes readRam(const Bytes& rq) {
        if (stage < 2 || sum16(rq.data(), 11) != word(rq, 11)) return {};
        const unsigned length = word(rq, 9);
        const std::uint8_t* data = ramArea(rq[6], word(rq, 7), length);
        if (!data) return {};
        Bytes reply = replyFrame(0x36);
        reply.insert(reply.end(), rq.begin() + 6, rq.begin() + 11);
        reply.insert(reply.end(), data, data + length);
        putSum(reply, sum16(data, length));
        return reply;
    }

    Bytes writeRam(const Bytes& rq) {
        const unsigned length = word(rq, 9);
        if (stage < 2 || sum16(rq.data() + 11, length) != word(rq, 11 + length)) return {};
        std::uint8_t* data = ramArea(rq[6], word(rq, 7), length);
        if (!data) return {};
        std::copy(rq.begin() + 11, rq.begin() + 11 + length, data);
        return replyFrame(0x37);
    }

    // The page's command must be that of its area: 0x39/0x3A for 50-62.
    static bool rightArea(std::uint8_t command, int page) {
        return page >= 0 && page < 64 && dataPage(page) == (command == 0x39 || command == 0x3A);
    }

    Bytes writePage(const Bytes& rq) {
        const int page = rq[6];
        const std::uint8_t key = rq[1031];
        if (stage < 2 || !rightArea(rq[1], page) || sum16(rq.data() + 7, 1025) != word(rq, 1032)) return {};
        std::uint8_t* plain = flash.data() + page * 1024;
        for (int i = 0; i < 1024; ++i)
            plain[i] = t2Inverse[(rq[7 + i] - t3[(i + 7) % 256] + t1[key] + 256) % 256];
        Bytes reply = replyFrame(rq[1]);
        putSum(reply, sum16(plain, 1024));
        return reply;
    }

    Bytes readPage(const Bytes& rq) {
        const unsigned address = word(rq, 6);
        const int page = static_cast<int>(address / 1024);
        if (stage < 2 || address % 1024 != 0 || word(rq, 8) != 0x0400 || !rightArea(rq[1], page) ||
            sum16(rq.data(), 10) != word(rq, 10))
            return {};
        const auto key = static_cast<std::uint8_t>(random() % 256);
        Bytes reply = replyFrame(rq[1]);
        reply.insert(reply.end(), rq.begin() + 6, rq.begin() + 10);
        const std::uint8_t* plain = flash.data() + address;
        for (int i = 0; i < 1024; ++i)
            reply.push_back(
                static_cast<std::uint8_t>((t1Inverse[plain[i]] + t3[(i + 10) % 256] - t1[key] + 512) % 256));
        reply.push_back(key);
        putSum(reply, sum16(reply.data() + 10, 1025));
        return reply;
    }

    Bytes control(const Bytes& rq) {
        if (stage < 1) return {};
        const std::uint8_t* block = rq.data() + 6;
        Control c{block[0], {}};
        if (std::equal(kBlock0.begin(), kBlock0.end(), block) ||
            std::equal(kBlock1.begin(), kBlock1.end(), block)) {
            controls.push_back(c);
            return replyFrame(0x38);
        }
        const bool prefixed = std::equal(kBlock2.begin(), kBlock2.end(), block) ||
                              std::equal(kBlock5.begin(), kBlock5.end(), block);
        if (!prefixed || sum16(rq.data(), 12) != word(rq, 12)) return {};
        std::copy(block + 3, block + 6, c.payload.begin());
        controls.push_back(c);
        return replyFrame(0x38);
    }
};

Radio::Radio() : impl_(std::make_unique<Impl>(false)) {}
Radio::Radio(Driven) : impl_(std::make_unique<Impl>(true)) {}
Radio::~Radio() = default;

std::string Radio::devicePath() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->path;
}

void Radio::replug() {
    std::lock_guard lock(impl_->mutex);
    if (impl_->line) return;
    impl_->line = std::make_unique<Line>();
    impl_->path = impl_->line->devicePath();
    impl_->pulled.reset();
}

bool Radio::hungUp() const {
    std::lock_guard lock(impl_->mutex);
    return !impl_->line;
}

void Radio::runTo(std::int64_t nowUs) {
    impl_->runTo(nowUs);
}

std::optional<std::int64_t> Radio::nextDueUs() const {
    return impl_->nextDue();
}

void Radio::setPacing(int baud, bool requestsToo) {
    std::lock_guard lock(impl_->mutex);
    impl_->baud = baud;
    impl_->pacedRequests = requestsToo;
}

namespace {
// A memory's bytes copied in or out under the radio's lock, clipped to the
// memory's end.
template <std::size_t N>
void copyIn(std::mutex& mutex, std::array<std::uint8_t, N>& to, std::uint32_t address,
            std::span<const std::uint8_t> bytes) {
    std::lock_guard lock(mutex);
    if (address >= N) return;
    std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), N - address), to.begin() + address);
}
template <std::size_t N>
std::vector<std::uint8_t> copyOut(std::mutex& mutex, const std::array<std::uint8_t, N>& from,
                                  std::uint32_t address, std::size_t n) {
    std::lock_guard lock(mutex);
    if (address >= N) return {};
    n = std::min<std::size_t>(n, N - address);
    return {from.begin() + address, from.begin() + address + n};
}
} // namespace

void Radio::setFlash(std::uint32_t a, std::span<const std::uint8_t> b) {
    copyIn(impl_->mutex, impl_->flash, a, b);
}
std::vector<std::uint8_t> Radio::flash(std::uint32_t a, std::size_t n) const {
    return copyOut(impl_->mutex, impl_->flash, a, n);
}
void Radio::setInRam(std::uint32_t a, std::span<const std::uint8_t> b) {
    copyIn(impl_->mutex, impl_->inRam, a, b);
}
std::vector<std::uint8_t> Radio::inRam(std::uint32_t a, std::size_t n) const {
    return copyOut(impl_->mutex, impl_->inRam, a, n);
}
void Radio::setExtRam(std::uint32_t a, std::span<const std::uint8_t> b) {
    copyIn(impl_->mutex, impl_->extRam, a, b);
}
std::vector<std::uint8_t> Radio::extRam(std::uint32_t a, std::size_t n) const {
    return copyOut(impl_->mutex, impl_->extRam, a, n);
}

void Radio::setIdentity(const std::array<std::uint8_t, 5>& stamp, std::uint8_t model) {
    setExtRam(0x02F6, stamp);
    const std::uint8_t m[] = {model};
    setExtRam(0x02FF, m);
}

void Radio::injectFault(Fault fault, int command, int from, int count, int page) {
    std::lock_guard lock(impl_->mutex);
    impl_->faults.push_back({fault, command, from, count, page});
}

void Radio::clearFaults() {
    std::lock_guard lock(impl_->mutex);
    impl_->faults.clear();
}

void Radio::editReplies(ReplyEdit edit) {
    std::lock_guard lock(impl_->mutex);
    impl_->edit = std::move(edit);
}

std::vector<Request> Radio::requests() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->log;
}

int Radio::countOf(std::uint8_t command) const {
    std::lock_guard lock(impl_->mutex);
    return static_cast<int>(std::count_if(impl_->log.begin(), impl_->log.end(),
                                          [command](const Request& r) { return r.command == command; }));
}

std::vector<Control> Radio::controls() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->controls;
}

void Radio::clearLog() {
    std::lock_guard lock(impl_->mutex);
    impl_->log.clear();
    impl_->controls.clear();
}

} // namespace radiosim
