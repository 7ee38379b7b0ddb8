#pragma once
// The codec between the channel area of the image (16-byte records from
// 0xC800, 8-byte name slots from 0xD800) and the channel table the channel
// grid edits (ChInfo, ChCtdcs, ChNameDat). Both directions handle channels 1
// to ChCount only; records of later channels stay as they were loaded.
//
// A record holds a channel when its byte 3 lies in 0x11-0x99 and its receive
// frequency lies in the valid range of band 1 or band 2 (ValidFreRange).
#include "model/Model.h"

#include <cstdint>

namespace model {

// Decodes channels 1 to ChCount into the table and forgets which of them
// the user cleared. A channel that is not
// present, or whose receive frequency holds a digit that is not decimal,
// becomes empty: receive and transmit NoFre, fields 3-4 zero and option
// fields 5..ChColCount the column defaults (ChColList item 2; 0 when that is
// no number). Unreadable transmit bytes decode as transmit off.
void IicDatToChInfo(ModelState& m);

// Encodes channels 1 to ChCount of the table into the image: option bits,
// name codes, frequencies and tones of every channel that has a receive
// frequency. An empty channel gets 0xFF in its frequency bytes. One the user
// cleared (ChCleared) also gets the codes of its empty tone texts, 0xFFFF in
// bytes 8-11; one decoded as absent keeps its other record bytes, so that
// tones the table still holds from an earlier image never reach its record.
// The option bits and the name slot of an empty channel stay as they are.
// Values the record cannot hold are not stored (reported), the rest of the
// channel is.
void ChInfoToIicDat(ModelState& m);

// Empties channel ch (1-256) in the table (marker 1, no receive or transmit
// frequency), in the image (record and name slot 0xFF) and, for a channel the
// grid shows, in the grid (cells blank in EmptyCellColor); hides the tone
// drop-down.
void DelOneChannel(ModelState& m, int ch);

// Empties channels 1-128 when groupA is -1, then 129-256 when groupB is -1.
void InitChTable(ModelState& m, std::int16_t groupA, std::int16_t groupB);

} // namespace model
