#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
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
  // The work of all sheet fillings so far: pieces stamped and searches for a seed to add.
  // It grows with the job's size, not with the machine, so it can bound a search.
  int64_t FillWork = 0;
  // Set from another thread to end the run at the next check; may be null.
  const std::atomic<bool>* StopRequest = nullptr;

  TSeeds();
  void Clear();
  // The searches check this where they step the progress and in their long loops, and
  // leave at once: what they leave behind is no result.
  bool StopRequested() const {
    return StopRequest != nullptr && StopRequest->load(std::memory_order_relaxed);
  }
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
    size_t FirstCount;  // its non-zero counts are counts_[FirstCount .. EndCount), by type
    size_t EndCount;
  };
  // One index reduced to the seeds that can fit the sheet and the parts of one call; every
  // group stays, perhaps empty, since each group visited may take a random draw.
  struct TCallIndex {
    // A recent answer of FindPosition: free rectangles of the same sides come back often.
    struct TKnownPosition {
      int32_t Key = std::numeric_limits<int32_t>::min();  // no free rectangle has this side
      size_t Position = 0;
    };

    bool ByLength = true;
    std::vector<int32_t> Keys;  // the index's keys, side by side for a fast search
    std::vector<size_t> Begin;  // group g holds Seeds[Begin[g] .. Begin[g + 1])
    std::vector<int16_t> Seeds;
    std::vector<int32_t> MinOtherSide;  // the smallest other side of a group's seeds
    std::vector<size_t> NextLower;      // the next group with a smaller MinOtherSide
    mutable std::vector<TKnownPosition> Known;

    int32_t Side(const TRect& free) const { return ByLength ? free.Length() : free.Width(); }
    int32_t OtherSide(const TRect& free) const { return ByLength ? free.Width() : free.Length(); }
    // The first group whose key is at most key, as the index itself finds it.
    size_t FindPosition(int32_t key) const;
    size_t SearchPosition(int32_t key) const;
    // The first group from g on with a seed no longer than otherSide; the group count
    // when there is none.
    size_t FirstFitting(size_t g, int32_t otherSide) const {
      while (g < MinOtherSide.size() && MinOtherSide[g] > otherSide) g = NextLower[g];
      return g;
    }
  };
  // The seed chosen to go next into the sheet being filled.
  struct TBestSeed {
    size_t Seed = 0;
    size_t FreeRect = 0;
    double Fill = 0.0;
    bool Found = false;
  };
  // A joined block waiting in the queue behind the base blocks: the numbers its two seeds
  // have in the library. It is built only when taken, since most never are.
  struct TPendingJoin {
    int16_t First;
    int16_t Second;
    bool Vertical;
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
  bool WithinPieceBudget(int64_t pieces);
  void GenPairedRows(const T2DStock& part, const TTrapezium& shape, int32_t reach, TPacket& block);
  void GenGridPass(const T2DStock& part, TPacket& block);
  void AddAllPending();
  void JoinPending(double factor);
  void AddBaseSeedsLeft();
  void JoinWithIndexed(const TPacket& s, bool vertical, double factor);
  void TryJoin(const TPacket& s, int16_t number, bool vertical, int32_t sSingleType);
  TPacket TakeOldestPending();
  bool SumExceedsDemand(const TPacket& s, const TPacket& t) const;
  void BuildJoinSignature(int32_t length, int32_t width, const TPacket& s, const TPacket& t);

  void RefreshShapes();
  void PrepareFilling(const TFillCall& call);
  void ReduceIndex(const TIndexSeedsSet& index, const TPacket& sheet, TCallIndex& reduced) const;
  bool SeedCountsWithin(size_t seed, const std::vector<int32_t>& limits) const;
  bool SparseCountsAbove(size_t seed, size_t other) const;
  void FillSheetFrom(size_t seed, const TFillCall& call, int& refills);
  void StampSeed(const TPacket& seed, TPoint offset);
  void SubtractFromRemaining(size_t seed);
  bool NothingRemains() const;
  bool FindBestSeed(bool randomSwitch, TBestSeed& best) const;
  void ScanIndex(const TCallIndex& reduced, size_t freeRect, bool randomSwitch,
                 TBestSeed& best) const;
  void WalkGroupsWithDraws(const TCallIndex& reduced, size_t g, size_t freeRect,
                           TBestSeed& best) const;
  void WalkGroups(const TCallIndex& reduced, size_t g, size_t freeRect, TBestSeed& best) const;
  void ScanGroup(const TCallIndex& reduced, size_t group, size_t freeRect, TBestSeed& best) const;
  void PlaceBest(const TBestSeed& best, int corner);
  int32_t RefillType() const;

  std::deque<TPendingJoin> pendingJoins_;  // queued after every seed of PendingSeeds
  int64_t basePieces_ = 0;                 // pieces of the base blocks queued so far
  bool overBudget_ = false;                // some base block was left out for its size
  std::string signature_;
  TPacket workSheet_;  // the sheet being filled
  std::vector<int32_t> available_;
  std::vector<int32_t> remaining_;
  std::vector<int32_t> limits_;  // the most of each type any seed may hold in this call
  std::vector<TSeedShape> shapes_;
  std::vector<TTypeCount> counts_;
  TCallIndex lengthCall_;
  TCallIndex widthCall_;
};

}  // namespace vexlin
