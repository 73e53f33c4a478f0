#pragma once
// Delta debugging over a list of steps: removes ever smaller runs of steps as
// long as what is left still fails the same way, until no single step can go.

#include <QList>
#include <algorithm>

namespace vantel::fuzz {

// `fails(candidate)` replays a candidate list; at most maxTries replays run.
template <class T, class Fails>
QList<T> shrink(QList<T> list, Fails fails, int maxTries) {
  int parts = 2, tries = 0;
  while (list.size() >= 2 && tries < maxTries) {
    const int chunk = (static_cast<int>(list.size()) + parts - 1) / parts;
    bool removed = false;
    for (int start = 0; start < list.size() && tries < maxTries; start += chunk) {
      QList<T> candidate = list.mid(0, start) + list.mid(start + chunk);
      ++tries;
      if (fails(candidate)) {
        list = candidate;
        parts = std::max(parts - 1, 2);
        removed = true;
        break;
      }
    }
    if (removed) continue;
    if (parts >= list.size()) break;  // no single step can go
    parts = std::min<int>(parts * 2, static_cast<int>(list.size()));
  }
  return list;
}

}  // namespace vantel::fuzz
