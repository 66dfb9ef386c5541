#pragma once
#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace zentavo {

// Parties told of an event, in the order they came. Adding and removing is safe while
// they are told, themselves included: the ones registered when telling starts are told,
// one removed meanwhile is not, one added meanwhile hears the next event, and each stays
// alive for its own call.
template <class Signature>
class TListenerList {
 public:
  using Listener = std::function<Signature>;

  int Add(Listener listener) {
    entries_.push_back({nextId_, std::make_shared<const Listener>(std::move(listener))});
    return nextId_++;
  }
  void Remove(int id) {
    std::erase_if(entries_, [id](const Entry& entry) { return entry.id == id; });
  }
  bool Empty() const { return entries_.empty(); }

  // Calls tell(listener) for each; stops, and answers true, as soon as one call does.
  template <class Tell>
  bool TellUntil(Tell tell) const {
    if (entries_.empty()) return false;
    const std::vector<Entry> snapshot = entries_;
    for (const Entry& entry : snapshot) {
      const bool stillThere = std::any_of(entries_.begin(), entries_.end(),
                                          [&](const Entry& current) { return current.id == entry.id; });
      if (stillThere && tell(*entry.listener)) return true;
    }
    return false;
  }
  // Tells every one with these arguments.
  template <class... Args>
  void Tell(Args&&... args) const {
    TellUntil([&](const Listener& listener) {
      listener(args...);
      return false;
    });
  }

 private:
  struct Entry {
    int id;
    std::shared_ptr<const Listener> listener;
  };
  std::vector<Entry> entries_;
  int nextId_ = 1;
};

}  // namespace zentavo
