#pragma once

// What the configuration store asks of the map it is wired to when a view setting changes.
class TSWMapView {
 public:
  virtual ~TSWMapView() = default;
  // Repaint the whole map.
  virtual void Invalidate() = 0;
};
