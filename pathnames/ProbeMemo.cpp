#include "pathnames/ProbeMemo.h"

#include <cstdlib>
#include <cstring>

namespace {

uint32_t HashProbe(const char* pText, size_t nLength) {
  uint32_t nHash = 2166136261u;
  for (size_t i = 0; i < nLength; ++i) {
    nHash = (nHash ^ static_cast<unsigned char>(pText[i])) * 16777619u;
  }
  return nHash;
}

template <typename T> T* Allocate(size_t nCount) {
  return static_cast<T*>(std::malloc(nCount * sizeof(T)));
}

size_t TextBytes(size_t nProbeLength, int nNameLength) {
  return nProbeLength + (nNameLength > 0 ? static_cast<size_t>(nNameLength) : 0);
}

} // namespace

ProbeMemo::ProbeMemo(size_t nMaxEntries, size_t nTextBytes) {
  if (nMaxEntries == 0 || nMaxEntries > UINT32_MAX / 4 || nTextBytes > UINT32_MAX) {
    return;
  }
  // Twice as many slots as entries keeps the open-addressing chains short.
  size_t nSlots = 1;
  while (nSlots < 2 * nMaxEntries) {
    nSlots *= 2;
  }
  // Plain C allocation: a failure is a null pointer, with no exception machinery linked in.
  m_pSlots = Allocate<Slot>(nSlots);
  m_pOrder = Allocate<uint32_t>(nMaxEntries);
  m_pKept = Allocate<Slot>(nMaxEntries / 2 + 1);
  m_pText = Allocate<char>(nTextBytes + 1);
  if (m_pSlots == nullptr || m_pOrder == nullptr || m_pKept == nullptr || m_pText == nullptr) {
    std::free(m_pSlots);
    m_pSlots = nullptr;
    return;
  }
  m_nSlotMask = nSlots - 1;
  m_nMaxEntries = nMaxEntries;
  m_nTextBytes = nTextBytes;
  Forget();
}

ProbeMemo::~ProbeMemo() {
  std::free(m_pSlots);
  std::free(m_pOrder);
  std::free(m_pKept);
  std::free(m_pText);
}

void ProbeMemo::Forget() {
  std::memset(m_pSlots, 0, (m_nSlotMask + 1) * sizeof(Slot));
  m_nEntries = 0;
  m_nTextUsed = 0;
}

ProbeMemo::Slot* ProbeMemo::FindSlot(const char* pProbe, size_t nProbeLength, uint32_t nHash) {
  for (size_t i = nHash & m_nSlotMask;; i = (i + 1) & m_nSlotMask) {
    Slot& slot = m_pSlots[i];
    if (slot.nProbeLength == 0 ||
        (slot.nHash == nHash && slot.nProbeLength == nProbeLength &&
         std::memcmp(m_pText + slot.nTextOffset, pProbe, nProbeLength) == 0)) {
      return &slot;
    }
  }
}

void ProbeMemo::Insert(const Slot& slot) {
  Slot* pSlot = FindSlot(m_pText + slot.nTextOffset, slot.nProbeLength, slot.nHash);
  *pSlot = slot;
  m_pOrder[m_nEntries++] = static_cast<uint32_t>(pSlot - m_pSlots);
}

void ProbeMemo::StartOver() {
  // The kept entries move to the front of the text in their old order, so each move is
  // towards the start and never overwrites text still to be moved.
  size_t nKept = 0;
  size_t nTextKept = 0;
  for (size_t i = 0; i < m_nEntries; ++i) {
    Slot slot = m_pSlots[m_pOrder[i]];
    const size_t nBytes = TextBytes(slot.nProbeLength, slot.nNameLength);
    if (!slot.bAskedAgain || nKept == m_nMaxEntries / 2 || nBytes > m_nTextBytes / 2 - nTextKept) {
      continue;
    }
    std::memmove(m_pText + nTextKept, m_pText + slot.nTextOffset, nBytes);
    slot.nTextOffset = static_cast<uint32_t>(nTextKept);
    slot.bAskedAgain = false; // kept once more only if asked for again
    m_pKept[nKept++] = slot;
    nTextKept += nBytes;
  }
  Forget();
  m_nTextUsed = nTextKept;
  for (size_t i = 0; i < nKept; ++i) {
    Insert(m_pKept[i]);
  }
}

void ProbeMemo::Remember(Slot* pSlot, const char* pszProbe, size_t nProbeLength, uint32_t nHash,
                         const char* pszName, bool bFound) {
  const int nNameLength = bFound ? static_cast<int>(std::strlen(pszName)) : -1;
  const size_t nBytes = TextBytes(nProbeLength, nNameLength);
  if (nBytes > m_nTextBytes) {
    return; // would not fit even in an empty memo
  }
  if (!HasRoomFor(nBytes)) {
    StartOver();
    if (!HasRoomFor(nBytes)) {
      Forget();
    }
    pSlot = FindSlot(pszProbe, nProbeLength, nHash);
  }
  std::memcpy(m_pText + m_nTextUsed, pszProbe, nProbeLength);
  if (nNameLength > 0) {
    std::memcpy(m_pText + m_nTextUsed + nProbeLength, pszName, static_cast<size_t>(nNameLength));
  }
  *pSlot = {nHash, static_cast<uint32_t>(m_nTextUsed), static_cast<uint16_t>(nProbeLength),
            static_cast<int16_t>(nNameLength), false};
  m_pOrder[m_nEntries++] = static_cast<uint32_t>(pSlot - m_pSlots);
  m_nTextUsed += nBytes;
}

bool ProbeMemo::FindEntryName(PlatformServices& platform, const char* pszProbe,
                              char (&szName)[kEntryNameSize]) {
  const size_t nProbeLength = std::strlen(pszProbe);
  // Lengths beyond the slot fields, and the empty probe that marks a free slot, are passed on.
  if (m_pSlots == nullptr || nProbeLength == 0 || nProbeLength > UINT16_MAX) {
    return platform.FindEntryName(pszProbe, szName);
  }
  const uint32_t nHash = HashProbe(pszProbe, nProbeLength);
  Slot* pSlot = FindSlot(pszProbe, nProbeLength, nHash);
  if (pSlot->nProbeLength != 0) {
    pSlot->bAskedAgain = true;
    if (pSlot->nNameLength < 0) {
      return false;
    }
    const size_t nNameLength = static_cast<size_t>(pSlot->nNameLength);
    std::memcpy(szName, m_pText + pSlot->nTextOffset + nProbeLength, nNameLength);
    szName[nNameLength] = '\0';
    return true;
  }
  const bool bFound = platform.FindEntryName(pszProbe, szName);
  Remember(pSlot, pszProbe, nProbeLength, nHash, szName, bFound);
  return bFound;
}
