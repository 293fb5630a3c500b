// The root of every C syntax object. The build's C_PROGRAM owns them all and frees them at the
// next build's reset; the objects point to one another with plain pointers. Each family
// (expressions, statements, declarators, types) carries the kind of its concrete class, which
// the checks and the code generator switch over.
#pragma once

#include <utility>

class C_NODE {
 public:
  C_NODE() = default;
  virtual ~C_NODE() = default;
  C_NODE(const C_NODE&) = delete;
  C_NODE& operator=(const C_NODE&) = delete;
};

// The base of a concrete class of kind K: hands K to the family's root, in front of the
// arguments of BASE's constructor, and names it KIND for kind_cast.
template <class BASE, auto K>
class OF_KIND : public BASE {
 public:
  static constexpr decltype(K) KIND = K;

  template <class... ARGUMENTS>
  explicit OF_KIND(ARGUMENTS&&... arguments) : BASE(K, std::forward<ARGUMENTS>(arguments)...) {}
};
