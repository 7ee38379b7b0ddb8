#pragma once
// A simulated radio on a pseudo-terminal: the microcontroller's side of the
// programming link. Point the program's port at devicePath() (key n of
// section [Ports] of the settings file) and it answers as a radio would:
// both handshake stages, RAM reads and writes, the control commands, and
// flash page reads and writes with the page scrambling. It keeps its own
// 64 KB flash and its RAM, can pace its bytes at a line rate, and can be
// told to misbehave.
//
// It serves on a thread of its own, in real time; every member may be called
// from the test while it runs. A driven radio has no thread: a test's clock
// moves it on (runTo), so that its time is the program's.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

namespace radiosim {

enum class Fault {
    Silence,    // the request is ignored: no effect, no answer
    LostReply,  // the request takes effect but its answer is lost
    Garbage,    // an answer of the right length that is all wrong
    WrongSum,   // the answer's sum off by one (the last byte of one without a sum)
    ShortReply, // the answer without its last two bytes
    HangUp,     // the radio closes its end of the line (a cable pulled): no answer, nothing after
};

// One request as it came in, complete and recognised.
struct Request {
    std::uint8_t command = 0;
    std::vector<std::uint8_t> bytes;
    bool answered = false;
    std::int64_t atUs = 0; // when its last byte was heard, on the radio's clock
};

// A control command (0x38): its parameter block selector and, for the
// blocks with a payload, the three bytes after the block.
struct Control {
    std::uint8_t selector = 0;
    std::array<std::uint8_t, 3> payload{};
};

class Radio {
  public:
    Radio();
    struct Driven {};
    explicit Radio(Driven);
    ~Radio();
    Radio(const Radio&) = delete;
    Radio& operator=(const Radio&) = delete;

    // The device the program opens; a new one after replug().
    std::string devicePath() const;
    // After a hang-up: the line back on a fresh pseudo-terminal (the cable
    // plugged in again), the radio's memories as they were.
    void replug();
    bool hungUp() const;

    // A driven radio at nowUs (microseconds on the driver's clock, never going
    // back): it takes in what the line has brought, acts on everything due by
    // then and sends what is due; on return the program can read it.
    void runTo(std::int64_t nowUs);
    // When a driven radio next has a byte to take in or to send, if it has.
    std::optional<std::int64_t> nextDueUs() const;

    // Sends its bytes at the rate (11 bits a byte); 0 turns it off. With
    // requestsToo a request also counts as heard only once the line would
    // have carried it. A program on a pseudo-terminal hands its bytes over
    // at once and starts its reply wait, where a real port would still be
    // sending: so that delay falls into the reply wait, and a long request
    // (a page write) outlasts it. Pace requests for short ones only.
    void setPacing(int baud, bool requestsToo = false);

    void setFlash(std::uint32_t address, std::span<const std::uint8_t> bytes);
    std::vector<std::uint8_t> flash(std::uint32_t address, std::size_t length) const;
    void setInRam(std::uint32_t address, std::span<const std::uint8_t> bytes);
    std::vector<std::uint8_t> inRam(std::uint32_t address, std::size_t length) const;
    void setExtRam(std::uint32_t address, std::span<const std::uint8_t> bytes);
    std::vector<std::uint8_t> extRam(std::uint32_t address, std::size_t length) const;
    // Firmware stamp (external RAM 0x02F6-0x02FA) and model code (0x02FF).
    void setIdentity(const std::array<std::uint8_t, 5>& stamp, std::uint8_t model);

    // Misbehaves on the matching requests: those of the command (-1 any)
    // and of the flash page (-1 any), counted from 0 since the fault was
    // set, from `from` on, `count` of them (-1 all). Later faults take
    // precedence.
    void injectFault(Fault fault, int command = -1, int from = 0, int count = -1, int page = -1);
    void clearFaults();

    // Every answer passes through edit before it goes out (an empty one is
    // not sent): a test's own misbehaviour. Null to stop. It runs while the
    // radio is held, so it must not call the radio.
    using ReplyEdit =
        std::function<std::vector<std::uint8_t>(const Request&, std::vector<std::uint8_t> reply)>;
    void editReplies(ReplyEdit edit);

    std::vector<Request> requests() const;
    int countOf(std::uint8_t command) const;
    std::vector<Control> controls() const;
    void clearLog();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace radiosim
