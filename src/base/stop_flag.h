// The one flag the interfaces were written against: set when a run must not go on. The run
// state behind it belongs to the machine, which binds the flag to it; an unbound flag, as in an
// interface without a machine, keeps its own value.
#pragma once

// What a bound flag shows and sets.
class STOP_SOURCE {
 public:
  virtual bool stopped() const = 0;
  virtual void set_stopped(bool stopped) = 0;

 protected:
  ~STOP_SOURCE() = default;
};

class STOP_FLAG {
 public:
  void bind(STOP_SOURCE* source) { source_ = source; }

  operator bool() const { return source_ != nullptr ? source_->stopped() : own_; }
  STOP_FLAG& operator=(bool stopped) {
    if (source_ != nullptr)
      source_->set_stopped(stopped);
    else
      own_ = stopped;
    return *this;
  }

 private:
  STOP_SOURCE* source_ = nullptr;
  bool own_ = false;
};
