// What the CSV files hold: the tally window's grid, and the whole-school summary with one row per
// class. Figures are hour text, as every window and sheet shows them.
#pragma once

#include "summary/schoolsummary.h"
#include "totals/tally.h"

#include <QList>
#include <QStringList>
#include <vector>

// "教科", "週･計画" … "年間･増減", then one row per field in the order of the plan's tally.
QList<QStringList> tallyCsvRows(const Tally& tally, const std::vector<Field>& order);

// "年度", "学年", "組", "担任", three columns per field ("国語 計画", "国語 実績", "国語 増減") and
// "ファイル"; the classes of every school year in order.
QList<QStringList> summaryCsvRows(const SchoolSummary& summary);

// A difference as hour text; "桁あふれ" where it left 16 bits.
QString differenceText(const TallyBlock& block, Field field);
