#pragma once

#include "platform/PlatformServices.h"

#include <cstddef>
#include <cstdint>

// Remembers, for one run, what each probe path looked up to, so that a directory shared by
// many paths of a list is looked up once. Answers are those the platform gave, so a walk
// through the memo produces exactly what a walk without it would.
//
// The memory is fixed when the memo is made: at most nMaxEntries probes and nTextBytes of
// their text and stored names. When either runs out the memo starts over, keeping only the
// probes asked for again since the last start-over (the directories in use, as a rule; the
// files of a list are mostly asked for once), up to half of each limit. If the memory cannot
// be had, every probe goes to the platform.
class ProbeMemo {
public:
  static constexpr size_t kDefaultEntries = 16384;
  static constexpr size_t kDefaultTextBytes = size_t{2} * 1024 * 1024;

  explicit ProbeMemo(size_t nMaxEntries = kDefaultEntries, size_t nTextBytes = kDefaultTextBytes);
  ~ProbeMemo();
  ProbeMemo(const ProbeMemo&) = delete;
  ProbeMemo& operator=(const ProbeMemo&) = delete;

  // PlatformServices::FindEntryName, asked of the platform only if the memo does not hold
  // pszProbe.
  bool FindEntryName(PlatformServices& platform, const char* pszProbe,
                     char (&szName)[kEntryNameSize]);

private:
  struct Slot {
    uint32_t nHash;
    uint32_t nTextOffset;  // the probe, then the stored name, in m_pText
    uint16_t nProbeLength; // 0: the slot is free
    int16_t nNameLength;   // -1: nothing was found
    bool bAskedAgain;      // answered from the memo since the last start-over
  };

  bool HasRoomFor(size_t nBytes) const {
    return m_nEntries < m_nMaxEntries && nBytes <= m_nTextBytes - m_nTextUsed;
  }
  Slot* FindSlot(const char* pProbe, size_t nProbeLength, uint32_t nHash);
  void Remember(Slot* pSlot, const char* pszProbe, size_t nProbeLength, uint32_t nHash,
                const char* pszName, bool bFound);
  void Insert(const Slot& slot);
  void StartOver();
  void Forget();

  Slot* m_pSlots = nullptr;
  size_t m_nSlotMask = 0;       // the slot count, a power of two, minus one
  uint32_t* m_pOrder = nullptr; // the slots of the entries, oldest first: their text's order
  Slot* m_pKept = nullptr;      // room for the entries kept over a start-over
  size_t m_nMaxEntries = 0;
  size_t m_nEntries = 0;
  char* m_pText = nullptr;
  size_t m_nTextBytes = 0;
  size_t m_nTextUsed = 0;
};
