#include "engine/keyed_pair_list.h"

#include <gtest/gtest.h>

#include "pair_printing.h"

namespace qfc {
namespace {

PairList Plain(const KeyedPairList& list) { return {list.Entries().begin(), list.Entries().end()}; }

TEST(KeyedPairList, AddsEachPairOnceInOrderOfAdding) {
  KeyedPairList list;
  for (const LinePair& pair : PairList{{5, 1}, {2, 9}, {5, 1}, {-1, 7}, {2, 9}, {-1, 7}, {3, 3}})
    list.Add(pair);
  EXPECT_EQ(Plain(list), (PairList{{5, 1}, {2, 9}, {-1, 7}, {3, 3}}));
}

TEST(KeyedPairList, PairsWithoutKeysDoNotBlockAdding) {
  KeyedPairList list;
  list.Add({1, 1});
  list.ReplaceWithoutKeys({{1, 1}, {2, 2}});
  list.Add({2, 2});
  list.Add({2, 2});
  EXPECT_EQ(Plain(list), (PairList{{1, 1}, {2, 2}, {2, 2}}));
}

TEST(KeyedPairList, ClearForgetsKeys) {
  KeyedPairList list;
  list.Add({4, 4});
  list.Clear();
  list.Add({4, 4});
  EXPECT_EQ(Plain(list), (PairList{{4, 4}}));
}

}  // namespace
}  // namespace qfc
