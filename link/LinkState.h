#pragma once
// Program-wide state of the radio link: the engine, the port, the transfers'
// tables and images, and the windows' part of it (link/WindowState.h).
#include "link/SerialControl.h"
#include "link/WindowState.h"
#include "platform/Flag.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace radiolink {

using platform::Flag;

// Why the last exchange failed, for the user: no reply came, a reply was
// wrong (a byte, a sum, cut short), the line went (a pulled cable, an I/O
// error), the port would not open (ComPortWhy says why), the user stopped.
enum class FailWhy { None, NoAnswer, WrongAnswer, LineClosed, PortNotOpened, Stopped };

struct LinkState {
    // The engine: tokens of the current script, the exchange being run,
    // the capture buffer and the flags every caller reads.
    std::array<std::string, 2001> ComTokens{}; // positions 1-2000
    int ComTokenCount = 0;                     // tokens of the last split
    std::int16_t TokenPos = 1;
    std::vector<std::uint8_t> TxBytes;
    std::int16_t TxCnt = 0;
    std::array<std::string, 1501> RxExpect{};
    std::int16_t RxExpectCnt = 0;
    std::vector<std::uint8_t> RxBytes;
    std::array<std::uint8_t, 2001> RxDat{}; // positions 1-2000
    std::int16_t RxDatPos = 1;
    std::int16_t ComTryCnt = 0;
    Flag ComConnecting = 0;
    Flag ComFail = 0;
    Flag ComStop = 0;
    Flag ComBusy = 0;
    Flag ComPortErr = 0;
    FailWhy ComFailWhy = FailWhy::None; // set with every ComFail = -1 of an exchange
    bool ComPortChosen = false;         // the user chose a port after the last failed open
    std::uint8_t ComSumHi = 0;
    std::uint8_t ComSumLo = 0;

    // Frames, parameter blocks and canned scripts (InitComCode).
    std::array<std::string, 10> TxFrame{}; // by command - 0x31
    std::array<std::string, 10> RxFrame{};
    std::array<std::string, 6> ComPara{};
    std::array<std::string, 2> ComScript{};
    Flag ExtRamFlag = 0;

    // The port: number in use, last probe of each (1 opens, -1 fails,
    // 0 not probed) and why the last open of each failed, for the user in
    // the interface language.
    std::int16_t ComPortNo = 1;
    std::array<std::int16_t, 17> ComPortState{}; // 1-16
    std::array<std::string, 17> ComPortWhy{};
    SerialControl comCommun;
    Flag TmFlag = 0;
    std::int16_t ComBpsIndex = 6;
    std::string ComBpsText = "9600";

    // Flash and RAM transfers.
    std::array<std::uint8_t, 256> WireTbl1{}, WireTbl2{}, WireTbl3{};
    std::int16_t ComPercent = 0; // 0-100
    bool WritePagesSent = false; // the last flash write sent the radio a page
    std::array<std::uint8_t, 256> InRamDat{};
    std::array<std::uint8_t, 2816> ExtRamDat{};

    ToolWindow frmMain;
    CommunPanel frmCommun;
    PortDialog frmToolCom;

    // The radio read and write: the page set (-1 the frequency set, else the
    // alignment set), the read/write dialog at work, automatic firmware
    // update, and whether the serial host's start-up has run.
    Flag FreMode = 0;
    Flag CommunBusy = 0;
    Flag AutoUpdate = 0;
    bool SerialHostLoaded = false;

    // The link lock (LinkSession): how deep the running operation is, and
    // how many event-running waits are open and were open when it began.
    int holdDepth = 0;
    int yieldDepth = 0;
    int holderYieldDepth = 0;
};

// The program's one link.
LinkState& linkState();

// Tell the windows that their part of the state changed (link/LinkHosts.h).
void ToolWindowChanged(LinkState& s);
void CommunChanged(LinkState& s);
void PortDialogChanged(LinkState& s);

} // namespace radiolink
