-- Procedures of the demo host with SQL bodies: a procedure report, an action
-- button's procedure, and one of the host's internal procedures (prefix
-- sp_cft) that the procedure selectors leave out.

CREATE PROCEDURE spDemoSalesByMonth @FromDate nvarchar(10), @ToDate nvarchar(10)
AS
SELECT left(FarsiInvoiceDate, 7) AS 'ماه', count(*) AS 'تعداد فاكتور', sum(TotalAmount) AS 'جمع فروش'
FROM tblInvoice
WHERE FarsiInvoiceDate BETWEEN @FromDate AND @ToDate
GROUP BY left(FarsiInvoiceDate, 7)
ORDER BY left(FarsiInvoiceDate, 7);

CREATE PROCEDURE spDemoSettleInvoice @InvoiceNo int
AS
UPDATE tblInvoice SET IsSettled = 1 WHERE InvoiceNo = @InvoiceNo;

CREATE PROCEDURE sp_cftRebuildStatistics
AS
SELECT count(*) AS Tables FROM tblKelvoTable;
