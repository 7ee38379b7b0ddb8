#include "tests/link/LinkFixture.h"

#include <cctype>

namespace linktest {

Bytes hex(const std::string& text) {
    Bytes out;
    std::string digits;
    for (char c : text)
        if (std::isxdigit(static_cast<unsigned char>(c))) digits += c;
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
        out.push_back(static_cast<std::uint8_t>(std::stoi(digits.substr(i, 2), nullptr, 16)));
    return out;
}

const Bytes kStage1 = hex("5A31 8C31E0A4");
const Bytes kStage2 = hex("5A32 D54B9E27 5AA598");
const Bytes kClosing = hex("5A38 F36D18C9 22C5F1 A6A6A6 6142");

std::vector<Bytes> requestBytes(const radiosim::Radio& radio) {
    std::vector<Bytes> out;
    for (const auto& r : radio.requests()) out.push_back(r.bytes);
    return out;
}

LinkFixture::LinkFixture() {
    clock.attach(radio);
    app::shell().SettingsFile = home.file("tavorin.def");
    auto& t = app::shell().FaceText;
    t[77] = "Communication success";
    t[78] = "Communication failed";
    t[177] = "Try Times";
    mapPorts({{1, radio.devicePath()}});
    s.ComPortNo = 1;
    radiolink::InitComCode(s);
    hooks.communChanged = [this] {
        const std::string& now = s.frmCommun.lblComStatus;
        if (now != (statuses.empty() ? std::string() : statuses.back())) statuses.push_back(now);
    };
}

void LinkFixture::mapPorts(const std::map<int, std::string>& devices, const std::string& extra) {
    std::string text = "[Ports]\n";
    for (int n = 1; n <= 16; ++n) {
        auto it = devices.find(n);
        text +=
            std::to_string(n) + "=" + (it != devices.end() ? it->second : home.file("no-such-tty")) + "\n";
    }
    home.write("tavorin.def", text + extra);
}

int countStartingWith(const std::vector<std::string>& texts, const std::string& prefix) {
    int n = 0;
    for (const auto& t : texts)
        if (t.rfind(prefix, 0) == 0) ++n;
    return n;
}

} // namespace linktest
