// The root of every C syntax object. The build's C_PROGRAM owns them all and frees them at the
// next build's reset; the objects point to one another with plain pointers.
#pragma once

class C_NODE {
 public:
  C_NODE() = default;
  virtual ~C_NODE() = default;
  C_NODE(const C_NODE&) = delete;
  C_NODE& operator=(const C_NODE&) = delete;
};
