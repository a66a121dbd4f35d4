// A whole-image write followed by a verifying whole-image read: the port is
// opened afresh and entered with the normal entry attempts (a radio that needs a
// moment after a write is waited for), and every byte the write sent is compared
// with what the radio now holds. Progress runs 1-509 through the write and
// 510-1021 through the read; a stop during the read ends only the verification.
#pragma once

#include "link/cloneengine.h"

constexpr int kVerifiedWriteProgressSteps = kWriteProgressSteps + kReadProgressSteps;

enum class VerifyResult {
    Skipped, // not asked for, or the write failed
    Verified, // every byte sent reads back as sent
    Different, // the radio holds other bytes than were sent
    NotVerified, // the verifying read did not complete; see verifyRead
};

struct VerifiedWriteOutcome
{
    Status write; // the write; it succeeded when write.ok()
    VerifyResult verify = VerifyResult::Skipped;
    Status verifyRead; // the verifying read (its failure for NotVerified)
    MemoryImage readBack {}; // what the verifying read found
    // What the radio should hold: readBack with every byte the write sends as
    // sent. DiffImages(expected, readBack, ...) lists exactly the bytes that did
    // not arrive.
    MemoryImage expected {};
};

// radio with the bytes of every block a whole-image write sends taken from sent.
MemoryImage WithWrittenBytes(const MemoryImage &radio, const MemoryImage &sent);

// With a trace, the write and the verifying read are recorded there, one after
// the other.
VerifiedWriteOutcome WriteWholeImageVerified(const QString &portName, const MemoryImage &image,
    TransferObserver &observer, bool verify, LinkTrace *trace = nullptr);
