#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

#include "model/packet.h"
#include "model/panels.h"
#include "optimizer/index_seeds.h"

namespace vexlin {

class TSchemes;
class TTrapezium;

// The library of blocks of parts ("seeds") built once per run; seed 0 is always an empty
// block. Sheets are filled only from these blocks, the largest fitting ones first.
class TSeeds {
 public:
  int32_t MaxLength = 0;  // largest sheet length of the run, kerf included
  int32_t MaxWidth = 0;
  std::vector<TPacket> SeedList;
  TPanels SeedParts;  // the demand list with its full counts
  TIndexSeedsSet LengthIndex{true};
  TIndexSeedsSet WidthIndex{false};
  std::unordered_set<std::string> KnownSignatures;
  std::deque<TPacket> PendingSeeds;
  // Steps the run's progress bar; may be empty.
  std::function<void()> ProgressStep;

  TSeeds();
  void Clear();
  void SetMaxLength(int32_t value) { MaxLength = value; }
  void SetMaxWidth(int32_t value) { MaxWidth = value; }
  void AddSeed(const TPacket& seed);
  void GenBaseSeeds();
  void GenerateSeeds();
  // Fills the sheet from every seed and offers each filled sheet to target.
  void GenSchemesForSheet(const TPanels& available, const TPacket& sheet, int32_t level, int corner,
                          bool random, TSchemes& target);

 private:
  // A count of a seed that is not 0.
  struct TTypeCount {
    size_t Type;
    int32_t Count;
  };
  // What the sheet filling tests of a seed before touching the seed itself.
  struct TSeedShape {
    int32_t Length;
    int32_t Width;
    size_t FirstCount;  // its counts are counts_[FirstCount .. EndCount)
    size_t EndCount;
  };
  // The seed chosen to go next into the sheet being filled.
  struct TBestSeed {
    size_t Seed = 0;
    size_t FreeRect = 0;
    double Fill = 0.0;
    bool Found = false;
  };
  // The settings of one GenSchemesForSheet call.
  struct TFillCall {
    const TPanels& Available;
    const TPacket& Sheet;
    int32_t Level;
    int Corner;
    bool Random;
    TSchemes& Target;
  };

  void AppendSeed(TPacket&& seed);
  bool FitsLimits(const TPacket& block) const;
  bool QueueIfNew(const TPacket& block);
  void GenPairedRows(const T2DStock& part, const TTrapezium& shape, int32_t reach, TPacket& block);
  void GenGridPass(const T2DStock& part, TPacket& block);
  void AddAllPending();
  void JoinPending(double factor);
  void JoinWithIndexed(const TPacket& s, bool vertical, double factor);
  void TryJoin(const TPacket& s, const TPacket& t, bool vertical, int32_t sSingleType);
  bool SumExceedsDemand(const TPacket& s, const TPacket& t) const;
  void BuildJoinSignature(int32_t length, int32_t width, const TPacket& s, const TPacket& t);

  void PrepareFilling(const TPanels& available);
  void GroupMinima(const TIndexSeedsSet& index, std::vector<int32_t>& minima) const;
  bool SeedCountsWithin(size_t seed, const TPanels& available) const;
  bool SeedFitsRemaining(size_t seed) const;
  void FillSheetFrom(size_t seed, const TFillCall& call, int& refills);
  void StampSeed(const TPacket& seed, TPoint offset);
  void SubtractFromRemaining(size_t seed);
  bool NothingRemains() const;
  bool FindBestSeed(bool randomSwitch, TBestSeed& best) const;
  void ScanIndex(const TIndexSeedsSet& index, const std::vector<int32_t>& minima, size_t freeRect,
                 bool randomSwitch, TBestSeed& best) const;
  void ScanGroup(const TIndexSeeds& group, size_t freeRect, double fill, TBestSeed& best) const;
  void PlaceBest(const TBestSeed& best, int corner);
  int32_t RefillType() const;

  TPacket joinBlock_;  // the work block of the joins
  std::string signature_;
  TPacket workSheet_;  // the sheet being filled
  std::vector<int32_t> remaining_;
  std::vector<TSeedShape> shapes_;
  std::vector<TTypeCount> counts_;
  std::vector<int32_t> lengthGroupMinWidth_;
  std::vector<int32_t> widthGroupMinLength_;
};

}  // namespace vexlin
