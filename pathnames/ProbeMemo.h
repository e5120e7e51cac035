#pragma once

#include "platform/PlatformServices.h"

#include <cstddef>
#include <cstdint>

// Remembers, for one run, what each probe path looked up to, so that a directory shared by
// many paths of a list is looked up once. Answers are those the platform gave, so a walk
// through the memo produces exactly what a walk without it would.
//
// The memory is fixed when the memo is made: at most nMaxEntries probes and nTextBytes of
// their text and stored names. When either runs out the memo forgets everything and starts
// over; a list usually moves on from one directory to the next, and the few directories still
// in use are then looked up once more. If the memory cannot be had, every probe goes to the
// platform.
class ProbeMemo {
public:
  static constexpr size_t kDefaultEntries = 4096;
  static constexpr size_t kDefaultTextBytes = 512 * 1024;

  explicit ProbeMemo(size_t nMaxEntries = kDefaultEntries, size_t nTextBytes = kDefaultTextBytes);
  ~ProbeMemo();
  ProbeMemo(const ProbeMemo&) = delete;
  ProbeMemo& operator=(const ProbeMemo&) = delete;

  // PlatformServices::FindEntryName, asked of the platform only the first time pszProbe is
  // seen since the memo last started over.
  bool FindEntryName(PlatformServices& platform, const char* pszProbe,
                     char (&szName)[kEntryNameSize]);

private:
  struct Slot {
    uint32_t nHash;
    uint32_t nTextOffset;  // the probe, then the stored name, in m_pText
    uint16_t nProbeLength; // 0: the slot is free
    int16_t nNameLength;   // -1: nothing was found
  };

  Slot* FindSlot(const char* pszProbe, size_t nProbeLength, uint32_t nHash);
  void Remember(Slot* pSlot, const char* pszProbe, size_t nProbeLength, uint32_t nHash,
                const char* pszName, bool bFound);
  void Forget();

  Slot* m_pSlots = nullptr;
  size_t m_nSlotMask = 0; // the slot count, a power of two, minus one
  size_t m_nMaxEntries = 0;
  size_t m_nEntries = 0;
  char* m_pText = nullptr;
  size_t m_nTextBytes = 0;
  size_t m_nTextUsed = 0;
};
