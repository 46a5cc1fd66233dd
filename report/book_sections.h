#pragma once
// The sections of the calculation book, in the order it sets them.

#include <string>

#include "report/book_parts.h"

namespace deckplate::report {

std::string TitleBlock(const BookContext& book);
std::string BasisSection(const BookContext& book);       ///< 计算依据
std::string InputSection(const BookContext& book);       ///< 输入
std::string LoadSection(const BookContext& book);        ///< 荷载组合
std::string PlateSection(const BookContext& book);       ///< 铺板验算
std::string StiffenerSection(const BookContext& book);   ///< 加劲肋验算
std::string PointLoadSection(const BookContext& book);   ///< 集中荷载验算, empty without one
std::string ConclusionSection(const BookContext& book);  ///< 结论

}  // namespace deckplate::report
