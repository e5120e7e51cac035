#include "pathnames/ProbeMemo.h"

#include <cstring>
#include <new>

namespace {

uint32_t HashProbe(const char* pText, size_t nLength) {
  uint32_t nHash = 2166136261u;
  for (size_t i = 0; i < nLength; ++i) {
    nHash = (nHash ^ static_cast<unsigned char>(pText[i])) * 16777619u;
  }
  return nHash;
}

} // namespace

ProbeMemo::ProbeMemo(size_t nMaxEntries, size_t nTextBytes) {
  // Twice as many slots as entries keeps the open-addressing chains short.
  size_t nSlots = 1;
  while (nSlots < 2 * nMaxEntries) {
    nSlots *= 2;
  }
  m_pSlots = new (std::nothrow) Slot[nSlots];
  m_pText = new (std::nothrow) char[nTextBytes];
  if (m_pSlots == nullptr || m_pText == nullptr || nMaxEntries == 0) {
    delete[] m_pSlots;
    delete[] m_pText;
    m_pSlots = nullptr;
    m_pText = nullptr;
    return;
  }
  m_nSlotMask = nSlots - 1;
  m_nMaxEntries = nMaxEntries;
  m_nTextBytes = nTextBytes;
  Forget();
}

ProbeMemo::~ProbeMemo() {
  delete[] m_pSlots;
  delete[] m_pText;
}

void ProbeMemo::Forget() {
  std::memset(m_pSlots, 0, (m_nSlotMask + 1) * sizeof(Slot));
  m_nEntries = 0;
  m_nTextUsed = 0;
}

ProbeMemo::Slot* ProbeMemo::FindSlot(const char* pszProbe, size_t nProbeLength, uint32_t nHash) {
  for (size_t i = nHash & m_nSlotMask;; i = (i + 1) & m_nSlotMask) {
    Slot& slot = m_pSlots[i];
    if (slot.nProbeLength == 0 ||
        (slot.nHash == nHash && slot.nProbeLength == nProbeLength &&
         std::memcmp(m_pText + slot.nTextOffset, pszProbe, nProbeLength) == 0)) {
      return &slot;
    }
  }
}

void ProbeMemo::Remember(Slot* pSlot, const char* pszProbe, size_t nProbeLength, uint32_t nHash,
                         const char* pszName, bool bFound) {
  const size_t nNameLength = bFound ? std::strlen(pszName) : 0;
  if (nProbeLength + nNameLength > m_nTextBytes) {
    return; // would not fit even in an empty memo
  }
  if (m_nEntries == m_nMaxEntries || nProbeLength + nNameLength > m_nTextBytes - m_nTextUsed) {
    Forget();
    pSlot = FindSlot(pszProbe, nProbeLength, nHash);
  }
  char* pText = m_pText + m_nTextUsed;
  std::memcpy(pText, pszProbe, nProbeLength);
  std::memcpy(pText + nProbeLength, pszName, nNameLength);
  *pSlot = {nHash, static_cast<uint32_t>(m_nTextUsed), static_cast<uint16_t>(nProbeLength),
            static_cast<int16_t>(bFound ? static_cast<int>(nNameLength) : -1)};
  m_nTextUsed += nProbeLength + nNameLength;
  ++m_nEntries;
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
    if (pSlot->nNameLength < 0) {
      return false;
    }
    std::memcpy(szName, m_pText + pSlot->nTextOffset + nProbeLength, pSlot->nNameLength);
    szName[pSlot->nNameLength] = '\0';
    return true;
  }
  const bool bFound = platform.FindEntryName(pszProbe, szName);
  Remember(pSlot, pszProbe, nProbeLength, nHash, szName, bFound);
  return bFound;
}
