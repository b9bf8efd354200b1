#pragma once

/// The chart operations that the chart procedures drive (filled in by the charts work).
class ChartComponent {
public:
    virtual ~ChartComponent() = default;
};
