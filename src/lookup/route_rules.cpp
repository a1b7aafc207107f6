// Keys that open a calculator window: rules 347 to 485 of the table.
// Each hides the main window and shows its calculator; several keys lead to
// the same window, and a key that also prints lines prints them first.
#include "lookup/lookup_table.h"

namespace bk::lookup {

namespace {
// clang-format off
const LookupRule kRoutes[] = {
    routeRule("货币资金", 2),  // 347
    routeRule("短期投资", 3),  // 348
    routeRule("应收账款", 4),  // 349
    routeRule("其他应收款", 5),  // 350
    routeRule("长期待摊费用", 6),  // 351
    routeRule("预收账款", 7),  // 352
    routeRule("未分配利润", 8),  // 353
    routeRule("应付职工薪酬", 9),  // 354
    routeRule("投资净收益", 10),  // 355
    routeRule("营业外收支净额", 11),  // 356
    routeRule("预付账款", 12),  // 357
    routeRule("营运资本", 13),  // 358
    routeRule("坏账准备", 14),  // 359
    routeRule("股票增值税", 15),  // 360
    routeRule("债券增值税", 15),  // 361
    routeRule("生产成本计算", 16),  // 362
    routeRule("原材料", 17),  // 363
    routeRule("材料成本差异率", 18),  // 364
    routeRule("材料成本差异", 19),  // 365
    routeRule("委托加工物资", 20),  // 366
    routeRule("实际成本", 21),  // 367
    routeRule("销售成本", 22),  // 368
    routeRule("本期销售成本", 22),  // 369
    routeRule("本月销售成本", 22),  // 370
    routeRule("本年销售成本", 22),  // 371
    routeRule("销售毛利", 22),  // 372
    routeRule("期末商品成本", 22),  // 373
    routeRule("月末商品成本", 22),  // 374
    routeRule("年末商品成本", 22),  // 375
    routeRule("商品进销差价率", 23),  // 376
    routeRule("分摊的进销差价", 23),  // 377
    routeRule("本期销售实际成本", 23),  // 378
    routeRule("本期实际销售成本", 23),  // 379
    routeRule("期末结存实际成本", 23),  // 380
    routeRule("期末实际结存成本", 23),  // 381
    routeRule("存货跌价准备", 24),  // 382
    routeRule("累计折旧计算", 25),  // 383
    routeRule("累计折旧总额", 26),  // 384
    routeRule("累计折旧余额", 26),  // 385
    routeRule("固定资产减值准备", 27),  // 386
    routeRule("累计摊销", 28),  // 387
    routeRule("应付账款", 29),  // 388
    routeRule("固定资产", 30),  // 389
    routeRule("无形资产", 31),  // 390
    routeRule("未分配利润", 32),  // 391
    routeRule("存货", 33),  // 392
    routeRule("营业利润计算", 34),  // 393
    routeRule("利润总额", 35),  // 394
    routeRule("净利润", 36),  // 395
    routeRule("所得税费用（总）", 37),  // 396
    routeRule("社保", 38),  // 397
    routeRule("应付职工薪酬（总）", 39),  // 398
    routeRule("应交增值税", 40),  // 399
    routeRule("股本溢价", 41),  // 400
    routeRule("回购股票", 42),  // 401
    routeRule("回购股份", 42),  // 402
    routeRule("注销股份", 42),  // 403
    routeRule("回购股本", 42),  // 404
    routeRule("收入投资", 43),  // 405
    routeRule("收入股款", 44),  // 406
    routeRule("新增资本公积", 45),  // 407
    routeRule("本年利润", 46),  // 408
    routeRule("净利润", 46),  // 409
    routeRule("营业利润", 46),  // 410
    routeRule("利润总额", 46),  // 411
    routeRule("结转本年利润", 47),  // 412
    routeRule("代销商品", 48),  // 413
    routeRule("打折销售", 49),  // 414
    routeRule("销售商品", 50),  // 415
    routeRule("退货", 51),  // 416
    routeRule("销售其他", 52),  // 417
    routeRule("劳务收入", 53),  // 418
    routeRule("会员费收入", 54),  // 419
    routeRule("合同收入", 55),  // 420
    routeRule("合同履约", 56),  // 421
    routeRule("摊销其他业务成本", 57),  // 422
    routeRule("税金及附加", 58),  // 423
    routeRule("其他费用", 59),  // 424
    routeRule("管理费用", 60),  // 425
    routeRule("短期借款", 61),  // 426
    routeRule("打折购买", 62),  // 427
    routeRule("盘盈", 63),  // 428
    routeRule("盘亏", 63),  // 429
    routeRule("研发支出", 64),  // 430
    routeRule("专利费", 65),  // 431
    routeRule("购买固定资产", 66),  // 432
    routeRule("建造固定资产", 67),  // 433
    routeRule("无形资产报废", 68),  // 434
    routeRule("支付滞纳金", 68),  // 435
    routeRule("结转营业外支出", 68),  // 436
    routeRule("所得税费用", 69),  // 437
    routeRule("应交所得税", 70),  // 438
    routeRule("应纳税额", 70),  // 439
    routeRule("利息收入", 71),  // 440
    routeRule("保险收入", 72),  // 441
    routeRule("垫付医疗费", 72),  // 442
    routeRule("押金", 72),  // 443
    routeRule("购买股票", 73),  // 444
    routeRule("发放股利", 74),  // 445
    routeRule("应收股利", 74),  // 446
    routeRule("购买债券", 75),  // 447
    routeRule("股价变动", 76),  // 448
    routeRule("债价变动", 76),  // 449
    routeRule("购买商品", 77),  // 450
    routeRule("股票", 78),  // 451
    routeRule("债券", 78),  // 452
    routeRule("累计折旧", 79),  // 453
    routeRule("固定资产清理", 80),  // 454
    routeRule("固定资产损失", 81),  // 455
    routeRule("发工资", 82),  // 456
    routeRule("备用金", 83),  // 457
    routeRule("收到投资", 84),  // 458
    routeRule("提取现金", 84),  // 459
    routeRule("投资分公司", 84),  // 460
    routeRule("外埠采购", 85),  // 461
    routeRule("本票", 85),  // 462
    routeRule("汇票", 85),  // 463
    routeRule("票据贴现", 86),  // 464
    routeRule("逾期贷款", 86),  // 465
    routeRule("票据存取贴现", 86),  // 466
    routeRule("购买原材料", 87),  // 467
    routeRule("自产原材料", 87),  // 468
    routeRule("领用原材料", 88),  // 469
    routeRule("加工", 89),  // 470
    routeRule("产品毁坏", 90),  // 471
    routeRule("产品损坏", 90),  // 472
    routeRule("产品毁损", 90),  // 473
    routeRule("出售债券", 91),  // 474
    routeRule("出售股票", 91),  // 475
    routeRule("信用卡", 92),  // 476
    routeRule("信用证", 92),  // 477
    routeRule("制造费用", 93),  // 478
    routeRule("财务费用", 94),  // 479
    routeRule("销售费用", 95),  // 480
    routeRule("生产成本", 96),  // 481
    routeRule("原材料盘亏", 97),  // 482
    routeRule("包装", 98),  // 483
    routeRule("出租", 99),  // 484
    routeRule("长期股权投资", 100),  // 485
};
// clang-format on
}  // namespace

RuleBlock routeRules() { return {347, kRoutes}; }

}  // namespace bk::lookup
